#pragma once

namespace tolvane::app {

class PlanConfirmationViewController;

// The storyboard "PlanConfirmation": the title view, the four previews stacked in one place, and
// the stop and decide buttons, filled into the screen's outlets with the buttons' actions wired.
class PlanConfirmationScene {
public:
    static void build(PlanConfirmationViewController& screen);
};

} // namespace tolvane::app
