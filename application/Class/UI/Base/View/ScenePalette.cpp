#include "Class/UI/Base/View/ScenePalette.h"

#include "ui/AssetCatalog.h"
#include "ui/Button.h"
#include "ui/Font.h"
#include "ui/Label.h"
#include "ui/Layer.h"

namespace tolvane::app {

ui::Color ScenePalette::background()
{
    return ui::AssetCatalog::shared().color("TolvaneBg").value_or(ui::Color::rgb255(0xF2, 0xF4, 0xF8));
}

ui::Color ScenePalette::dark()
{
    return ui::AssetCatalog::shared().color("TolvaneSecondBg").value_or(ui::Color::rgb255(0x1E, 0x2A, 0x3A));
}

ui::Color ScenePalette::accent()
{
    return ui::Color::rgb255(0x2F, 0x7D, 0xF6);
}

ui::Color ScenePalette::muted()
{
    return ui::Color::rgb255(0x8A, 0x94, 0xA6);
}

ui::Color ScenePalette::white()
{
    return ui::Color::white(1.0);
}

std::shared_ptr<ui::Button> ScenePalette::primaryButton()
{
    auto button = std::make_shared<ui::Button>();
    button->setBackgroundColor(accent());
    button->setTitleColor(white(), ui::ControlState::normal);
    button->titleLabel().setFont(ui::Font::systemFont(18, ui::FontWeight::semibold));
    button->layer().setCornerRadius(26);
    return button;
}

std::shared_ptr<ui::Label> ScenePalette::label(double pointSize, bool bold, const ui::Color& color)
{
    auto label = std::make_shared<ui::Label>();
    label->setFont(ui::Font::systemFont(pointSize, bold ? ui::FontWeight::semibold : ui::FontWeight::regular));
    label->setTextColor(color);
    label->setNumberOfLines(0);
    label->setTextAlignment(ui::TextAlignment::center);
    return label;
}

std::shared_ptr<ui::Label> ScenePalette::navigationTitle(const std::string& text)
{
    auto title = label(15, true, white());
    title->setNumberOfLines(2);
    title->setAdjustsFontSizeToFitWidth(true);
    title->setMinimumScaleFactor(0.6);
    title->setText(text);
    title->setFrame({0, 0, 270, 40});
    return title;
}

} // namespace tolvane::app
