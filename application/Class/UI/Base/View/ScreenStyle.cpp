#include "Class/UI/Base/View/ScreenStyle.h"

#include "ui/Button.h"
#include "ui/Font.h"
#include "ui/Label.h"
#include "ui/Layer.h"
#include "ui/NavigationBar.h"
#include "ui/ScreenMetrics.h"

namespace tolvane::app {

ui::Color ScreenStyle::background()
{
    return ui::Color::rgb255(0xF2, 0xF4, 0xF8);
}

ui::Color ScreenStyle::ink()
{
    return ui::Color::rgb255(0x1E, 0x2A, 0x3A);
}

ui::Color ScreenStyle::accent()
{
    return ui::Color::rgb255(0x2F, 0x7D, 0xF6);
}

ui::Color ScreenStyle::alert()
{
    return ui::Color::rgb255(0xFF, 0x5A, 0x4E);
}

ui::Color ScreenStyle::muted()
{
    return ui::Color::rgb255(0x8A, 0x94, 0xA6);
}

ui::Rect ScreenStyle::contentBounds()
{
    const ui::Rect screen = ui::ScreenMetrics::shared().mainBounds();
    return {0, 0, screen.width(), screen.height() - contentTop()};
}

double ScreenStyle::contentTop()
{
    return ui::ScreenMetrics::shared().deviceSafeAreaInsets().top + ui::NavigationBar::contentHeight;
}

double ScreenStyle::bottomInset()
{
    return ui::ScreenMetrics::shared().deviceSafeAreaInsets().bottom;
}

void ScreenStyle::title(ui::Label& label, double pointSize)
{
    label.setFont(ui::Font::systemFont(pointSize, ui::FontWeight::semibold));
    label.setTextColor(ink());
    label.setTextAlignment(ui::TextAlignment::center);
    label.setNumberOfLines(0);
}

void ScreenStyle::body(ui::Label& label, const ui::Color& colour, double pointSize)
{
    label.setFont(ui::Font::systemFont(pointSize));
    label.setTextColor(colour);
    label.setTextAlignment(ui::TextAlignment::center);
    label.setNumberOfLines(0);
}

void ScreenStyle::primaryButton(ui::Button& button)
{
    button.setBackgroundColor(accent());
    button.setTitleColor(ui::Color::white(1.0), ui::ControlState::normal);
    button.setTitleColor(ui::Color::white(1.0), ui::ControlState::disabled);
    button.titleLabel().setFont(ui::Font::systemFont(18, ui::FontWeight::semibold));
    button.layer().setCornerRadius(button.frame().height() / 2);
}

void ScreenStyle::outlineButton(ui::Button& button, const ui::Color& colour)
{
    button.setBackgroundColor(ui::Color::white(1.0));
    button.setTitleColor(colour, ui::ControlState::normal);
    button.titleLabel().setFont(ui::Font::systemFont(18, ui::FontWeight::semibold));
    button.layer().setCornerRadius(button.frame().height() / 2);
    button.layer().setBorderColor(colour);
    button.layer().setBorderWidth(2);
}

} // namespace tolvane::app
