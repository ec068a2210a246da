#include "ui/NavigationBar.h"

#include "ui/BarButtonItem.h"
#include "ui/GraphicsContext.h"
#include "ui/NavigationItem.h"
#include "ui/TapGestureRecognizer.h"

namespace ui {
namespace {

constexpr double buttonSize = 44.0;
constexpr double sideMargin = 8.0;

// One bar button: its image (tinted like a template) or its title, triggering the item on a tap.
class BarButtonView : public View {
public:
    explicit BarButtonView(std::shared_ptr<BarButtonItem> item) : item_(std::move(item))
    {
        addGestureRecognizer(std::make_shared<TapGestureRecognizer>([this](GestureRecognizer&) { item_->trigger(); }));
    }

    void draw(GraphicsContext& context, const Rect& rect) const override
    {
        if (const auto& image = item_->image()) {
            const Size size = image->size();
            const Rect target{rect.midX() - size.width * 0.5, rect.midY() - size.height * 0.5, size.width, size.height};
            context.drawImage(*image, target, tintColor());
        } else if (const auto& title = item_->title()) {
            context.drawText(*title, rect, Font::systemFont(17), tintColor(), TextAlignment::center, 1);
        }
    }

private:
    std::shared_ptr<BarButtonItem> item_;
};

} // namespace

void NavigationBar::setStandardAppearance(const NavigationBarAppearance& appearance)
{
    standard_ = appearance;
    setNeedsDisplay();
}

void NavigationBar::setScrollEdgeAppearance(std::optional<NavigationBarAppearance> appearance)
{
    scrollEdge_ = std::move(appearance);
    setNeedsDisplay();
}

void NavigationBar::setBarTintColor(std::optional<Color> color)
{
    barTint_ = color;
    setNeedsDisplay();
}

void NavigationBar::setItem(NavigationItem* item)
{
    if (item_)
        item_->setChangeHandler({});
    item_ = item;
    if (item_)
        item_->setChangeHandler([this] { rebuildItems(); });
    rebuildItems();
}

void NavigationBar::rebuildItems()
{
    for (auto* group : {&leftButtons_, &rightButtons_})
        for (auto& button : *group)
            button->removeFromSuperview();
    leftButtons_.clear();
    rightButtons_.clear();
    if (titleView_)
        titleView_->removeFromSuperview();
    titleView_.reset();
    if (item_) {
        for (const auto& entry : item_->leftBarButtonItems())
            leftButtons_.push_back(std::make_shared<BarButtonView>(entry));
        for (const auto& entry : item_->rightBarButtonItems())
            rightButtons_.push_back(std::make_shared<BarButtonView>(entry));
        titleView_ = item_->titleView();
    }
    for (auto* group : {&leftButtons_, &rightButtons_})
        for (auto& button : *group)
            addSubview(button);
    if (titleView_)
        addSubview(titleView_);
    setNeedsLayout();
    setNeedsDisplay();
}

Rect NavigationBar::contentArea() const
{
    const Rect b = bounds();
    return {b.x(), b.maxY() - contentHeight, b.width(), contentHeight};
}

void NavigationBar::layoutSubviews()
{
    const Rect area = contentArea();
    double x = area.minX() + sideMargin;
    for (auto& button : leftButtons_) {
        button->setFrame({x, area.y(), buttonSize, buttonSize});
        x += buttonSize;
    }
    double right = area.maxX() - sideMargin;
    for (auto& button : rightButtons_) {
        right -= buttonSize;
        button->setFrame({right, area.y(), buttonSize, buttonSize});
    }
    if (titleView_) {
        const Size size = titleView_->bounds().size;
        titleView_->setCenter(area.center());
        if (size.width <= 0 || size.height <= 0)
            titleView_->setFrame({x, area.y(), std::max(0.0, right - x), area.height()});
    }
}

const NavigationBarAppearance& NavigationBar::activeAppearance() const
{
    return scrollEdge_ ? *scrollEdge_ : standard_;
}

void NavigationBar::draw(GraphicsContext& context, const Rect& rect) const
{
    const auto& appearance = activeAppearance();
    context.setFillColor(appearance.backgroundColor.value_or(barTint_.value_or(Color::rgb255(249, 249, 249))));
    context.fill(rect);
    if (titleView_ || !item_ || !item_->title())
        return;
    context.drawText(*item_->title(), contentArea(), appearance.titleFont.value_or(Font::systemFont(17, FontWeight::semibold)),
                     appearance.titleColor.value_or(Color::label()), TextAlignment::center, 1);
}

} // namespace ui
