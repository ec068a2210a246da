#pragma once

#include "Class/UI/Operating/View/TouchEvent.h"

#include "ui/Point.h"

namespace tolvane::app {

// Where the finger of the touch test is, in window coordinates, how far it scratches and in which
// touch callback it was seen.
struct TouchInfo {
    ui::Point location;
    double radius = 0;
    TouchEventType eventType = TouchEventType::began;
};

} // namespace tolvane::app
