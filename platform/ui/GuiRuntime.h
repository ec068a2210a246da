#pragma once

namespace ui {

// Fonts and text need Qt's GUI application object. A program makes its own before it shows a
// window; code that measures or renders without one (screen tests, headless rendering) gets an
// off-screen one here.
class GuiRuntime {
public:
    static void ensure();
};

} // namespace ui
