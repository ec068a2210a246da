#include "Class/UI/Warn/View/WarningScene.h"

#include "Class/UI/Base/View/DesignScale.h"

#include "R.h"

#include "ui/ActivityIndicatorView.h"
#include "ui/AssetCatalog.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Layer.h"

#include <algorithm>

namespace tolvane::app {
namespace {

const ui::Color accent = ui::Color::rgb255(0x2F, 0x7D, 0xF6);
const ui::Color muted = ui::Color::rgb255(0x8A, 0x94, 0xA6);
const ui::Color secondaryText = ui::Color::rgb255(0x4A, 0x55, 0x68);

// A button that looks inactive while it is disabled, not only in its title.
class EndButton final : public ui::Button {
public:
    EndButton() { stateDidChange(); }

protected:
    void stateDidChange() override
    {
        ui::Button::stateDidChange();
        setBackgroundColor(isEnabled() ? accent : muted);
    }
};

std::shared_ptr<ui::Label> makeLabel(const ui::Font& font, const ui::Color& color)
{
    auto label = std::make_shared<ui::Label>();
    label->setFont(font);
    label->setTextColor(color);
    label->setTextAlignment(ui::TextAlignment::center);
    label->setNumberOfLines(0);
    label->setHidden(true);
    return label;
}

// Places `label` across `width` at `top`, as tall as its text; returns its bottom.
double placeLabel(ui::Label& label, double left, double top, double width)
{
    const bool empty = !label.text() || label.text()->empty();
    const double height = empty ? 0 : label.sizeThatFits({width, 10000}).height;
    label.setFrame({left, top, width, height});
    return top + height;
}

} // namespace

WarningScene WarningScene::make(size_t messageCount, bool withSpinner, const std::string& endTitle)
{
    WarningScene scene;
    scene.root = std::make_shared<ui::View>();
    scene.root->setBackgroundColor(ui::AssetCatalog::shared().color("TolvaneBg").value_or(ui::Color::white(1.0)));

    scene.symbol = std::make_shared<ui::ImageView>(R::image::icon_warning());
    scene.symbol->setContentMode(ui::ContentMode::scaleAspectFit);
    scene.symbol->setHidden(true);
    scene.root->addSubview(scene.symbol);

    scene.headline = makeLabel(ui::Font::systemFont(22, ui::FontWeight::bold), ui::AssetCatalog::shared().color("TolvaneSecondBg").value_or(ui::Color::black()));
    scene.root->addSubview(scene.headline);
    for (size_t i = 0; i < messageCount; ++i) {
        scene.messages.push_back(makeLabel(ui::Font::systemFont(16), secondaryText));
        scene.root->addSubview(scene.messages.back());
    }
    if (withSpinner) {
        auto spinner = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorStyle::large);
        spinner->setHidden(true);
        scene.spinner = spinner;
        scene.root->addSubview(spinner);
    }

    scene.endButton = std::make_shared<EndButton>();
    scene.endButton->setTitle(endTitle, ui::ControlState::normal);
    scene.endButton->setTitleColor(ui::Color::white(1.0), ui::ControlState::normal);
    scene.endButton->titleLabel().setFont(ui::Font::systemFont(18, ui::FontWeight::semibold));
    scene.endButton->setHidden(true);
    scene.root->addSubview(scene.endButton);
    return scene;
}

void WarningScene::layout(const ui::Rect& bounds) const
{
    const double V = DesignScale::vertical();
    const double H = DesignScale::horizontal();
    const double side = 32 * H;
    const double width = std::max(0.0, bounds.width() - 2 * side);

    const double symbolSize = 88 * V;
    symbol->setFrame({(bounds.width() - symbolSize) / 2, 88 * V, symbolSize, symbolSize});
    double y = placeLabel(*headline, side, symbol->frame().maxY() + 32 * V, width);
    double messageBottom = y;
    for (const auto& message : messages)
        messageBottom = std::max(messageBottom, placeLabel(*message, side, y + 18 * V, width));
    if (spinner) {
        const double size = 48 * V;
        spinner->setFrame({(bounds.width() - size) / 2, messageBottom + 36 * V, size, size});
    }

    const double buttonHeight = 56 * V;
    endButton->setFrame({side, bounds.height() - 48 * V - buttonHeight, width, buttonHeight});
    endButton->layer().setCornerRadius(buttonHeight / 2);
}

} // namespace tolvane::app
