#pragma once

namespace ui {
class Label;
}

namespace tolvane::app {

// Attributes that interface files (and code) set on labels. Each applies its effect at once, with
// the label's frame and font of that moment, and keeps nothing.
class LabelAttributes {
public:
    // true: the font becomes the same font at floor(V x its size); false: nothing.
    static void setAdjustFontSize(ui::Label& label, bool adjust);
    // Corner radius V x frame height x percent, and the label clips to its bounds.
    static void setCornerRadiusPercent(ui::Label& label, double percent);
    // Every label loaded from an interface file shrinks its text to fit its width from the next
    // turn of the main loop on.
    static void awakeFromNib(ui::Label& label);
};

} // namespace tolvane::app
