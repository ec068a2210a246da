#pragma once

#include "ui/Color.h"
#include "ui/Rect.h"

namespace ui {
class Button;
class Label;
} // namespace ui

namespace tolvane::app {

// The look the operation screens share: the artwork palette, and their labels and main buttons.
class ScreenStyle {
public:
    static ui::Color background();
    static ui::Color ink();
    static ui::Color accent();
    static ui::Color alert();
    static ui::Color muted();

    // The root view's bounds of a screen below the navigation bar, and the bottom safe-area inset.
    static ui::Rect contentBounds();
    // Where that root view starts in the window.
    static double contentTop();
    static double bottomInset();

    // A large dark title over several lines, centred.
    static void title(ui::Label& label, double pointSize = 24);
    // Body text over several lines, centred.
    static void body(ui::Label& label, const ui::Color& colour, double pointSize = 16);
    // A pill filled with the accent colour and a white title.
    static void primaryButton(ui::Button& button);
    // A pill with an outline in `colour` and a title in it.
    static void outlineButton(ui::Button& button, const ui::Color& colour);
};

} // namespace tolvane::app
