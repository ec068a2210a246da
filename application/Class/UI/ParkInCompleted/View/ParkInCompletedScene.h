#pragma once

namespace tolvane::app {

class ParkInCompletedViewController;

// The storyboard "ParkInCompleted": the car's picture, the spinner, the title, the hazard note and
// the exit button, filled into the screen's outlets with the exit button's action wired.
class ParkInCompletedScene {
public:
    static void build(ParkInCompletedViewController& screen);
};

} // namespace tolvane::app
