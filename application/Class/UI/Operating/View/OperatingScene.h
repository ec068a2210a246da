#pragma once

namespace tolvane::app {

class OperatingViewController;

// The "Operating" storyboard: builds the screen's view tree on its root view, fills its outlets,
// sets the content the screen's code does not set (pictures, hint texts, hidden views) and wires
// the actions. Frames are for a 390-point-wide screen under a 91-point navigation bar.
class OperatingScene {
public:
    OperatingScene() = delete;

    static void build(OperatingViewController& controller);
    // Registers the nibs of the views the screen holds.
    static void registerNibs();
};

} // namespace tolvane::app
