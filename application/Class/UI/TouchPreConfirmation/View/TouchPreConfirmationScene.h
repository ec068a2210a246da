#pragma once

#include "ui/Rect.h"

namespace tolvane::app {

class TouchPreConfirmationViewController;

// The storyboard "TouchPreConfirmation": the title and explanation at the top with the check mark
// in their place, the progress ring, the guidance, and the picture with the touch detector over the
// slider's target area (placed by the screen, which knows that area).
class TouchPreConfirmationScene {
public:
    static void build(TouchPreConfirmationViewController& screen);

    // Between window coordinates and the screen's root view, which starts below the navigation bar.
    static ui::Rect fromWindow(const ui::Rect& rect);
    static ui::Rect toWindow(const ui::Rect& rect);
};

} // namespace tolvane::app
