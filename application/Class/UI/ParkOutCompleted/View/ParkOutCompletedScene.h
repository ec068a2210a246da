#pragma once

namespace tolvane::app {

class ParkOutCompletedViewController;

// The storyboard "ParkOutCompleted": the car's picture, the finished title and the exit button,
// filled into the screen's outlets with the exit button's action wired.
class ParkOutCompletedScene {
public:
    static void build(ParkOutCompletedViewController& screen);
};

} // namespace tolvane::app
