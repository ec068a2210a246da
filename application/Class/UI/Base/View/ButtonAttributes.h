#pragma once

namespace ui {
class Button;
struct Color;
}

namespace tolvane::app {

// Attributes that interface files (and code) set on buttons. Each applies its effect at once, with
// the button's frame of that moment, and keeps nothing.
class ButtonAttributes {
public:
    // true: the image keeps its aspect and the content fills the button; false: nothing.
    static void setKeepAspect(ui::Button& button, bool keep);
    // true: the title label's font scales to the device (see LabelAttributes); false: nothing.
    static void setAdjustFontSize(ui::Button& button, bool adjust);
    // true: a pill, corner radius V x frame height x 0.5; false: nothing.
    static void setCornerRadius(ui::Button& button, bool pill);
    static void setBorderColor(ui::Button& button, const ui::Color& color);
    // Border width V x width.
    static void setBorderWidth(ui::Button& button, double width);
    // Any value gives the same soft shadow below the button.
    static void setShadow(ui::Button& button, bool shadow);
    // Corner radius V x frame height x percent.
    static void setCornerRadiusPercent(ui::Button& button, double percent);
    // A disabled-state background image becomes a template tinted in the accent colour.
    static void applyCornerAndShadow(ui::Button& button);
};

} // namespace tolvane::app
