#include "Class/UI/Tutorial/View/TutorialPageView.h"

#include "Class/UI/Base/View/DesignScale.h"
#include "Class/UI/Tutorial/View/TutorialPalette.h"

#include "ui/ImageView.h"
#include "ui/Label.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr double SIDE_MARGIN = 28;
constexpr double EDGE_MARGIN = 20;

struct TextLook {
    ui::Font font;
    ui::Color color;
    ui::TextAlignment alignment;
    double spacingBefore;
};

TextLook look(TutorialPageView::TextStyle style)
{
    using enum TutorialPageView::TextStyle;
    switch (style) {
    case header: return {ui::Font::systemFont(15, ui::FontWeight::semibold), TutorialPalette::accent(), ui::TextAlignment::center, 0};
    case brand: return {ui::Font::systemFont(34, ui::FontWeight::bold), TutorialPalette::text(), ui::TextAlignment::center, 4};
    case heading: return {ui::Font::systemFont(22, ui::FontWeight::bold), TutorialPalette::text(), ui::TextAlignment::center, 12};
    case body: return {ui::Font::systemFont(16), TutorialPalette::text(), ui::TextAlignment::center, 12};
    case list: return {ui::Font::systemFont(16), TutorialPalette::text(), ui::TextAlignment::left, 10};
    case note: return {ui::Font::systemFont(14), TutorialPalette::muted(), ui::TextAlignment::center, 16};
    }
    return {ui::Font::systemFont(16), TutorialPalette::text(), ui::TextAlignment::center, 12};
}

} // namespace

TutorialPageView::TutorialPageView()
{
    setBackgroundColor(TutorialPalette::background());
    setClipsToBounds(true);
}

std::shared_ptr<ui::Label> TutorialPageView::addText(TextStyle style, std::string text)
{
    const TextLook textLook = look(style);
    auto label = std::make_shared<ui::Label>();
    label->setFont(textLook.font);
    label->setTextColor(textLook.color);
    label->setTextAlignment(textLook.alignment);
    label->setNumberOfLines(0);
    if (!text.empty())
        label->setText(std::move(text));
    addSubview(label);
    items_.push_back({label, std::nullopt, textLook.spacingBefore});
    return label;
}

std::shared_ptr<ui::ImageView> TutorialPageView::addPicture(std::optional<ui::Image> image, double designHeight)
{
    auto picture = std::make_shared<ui::ImageView>(std::move(image));
    picture->setContentMode(ui::ContentMode::scaleAspectFit);
    addSubview(picture);
    items_.push_back({picture, designHeight, 24});
    return picture;
}

void TutorialPageView::addControl(std::shared_ptr<ui::View> control, double designHeight)
{
    addSubview(control);
    items_.push_back({std::move(control), designHeight, 24});
}

double TutorialPageView::contentWidth() const
{
    return std::max(0.0, bounds().width() - 2 * SIDE_MARGIN * DesignScale::horizontal());
}

void TutorialPageView::layoutSubviews()
{
    const ui::Rect area = bounds();
    const double V = DesignScale::vertical();
    const double margin = SIDE_MARGIN * DesignScale::horizontal();
    const double width = contentWidth();
    // What a page hides takes no room.
    std::vector<const Item*> shown;
    for (const Item& item : items_)
        if (!item.view->isHidden())
            shown.push_back(&item);
    std::vector<double> heights;
    double total = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        const Item& item = *shown[i];
        const double height = item.designHeight ? *item.designHeight * V : item.view->sizeThatFits({width, 0}).height;
        heights.push_back(height);
        total += height + (i == 0 ? 0 : item.designSpacingBefore * V);
    }
    double y = std::max(EDGE_MARGIN * V, (area.height() - total) / 2);
    for (size_t i = 0; i < shown.size(); ++i) {
        if (i > 0)
            y += shown[i]->designSpacingBefore * V;
        shown[i]->view->setFrame({margin, y, width, heights[i]});
        y += heights[i];
    }
}

} // namespace tolvane::app
