#pragma once

#include "ui/Rect.h"

namespace tolvane::app {

// The area, in window coordinates, where a finger outside the start square is not counted as an extra
// finger by the slider and is ignored by the touch test. The framework's slide view model has no such
// rectangle; this is the one place both read it from. Empty unless set, so every extra finger counts.
// Main thread only.
class ToleranceFrame {
public:
    ToleranceFrame() = delete;

    static ui::Rect current();
    static void set(const ui::Rect& frame);
};

} // namespace tolvane::app
