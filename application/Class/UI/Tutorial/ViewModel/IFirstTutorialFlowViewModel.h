#pragma once

#include "Class/UI/Tutorial/ViewModel/ITutorialFlowViewModel.h"

namespace tolvane::app {

// The first-run tutorial's view model as its screen sees it.
class IFirstTutorialFlowViewModel : public virtual ITutorialFlowViewModel {
public:
    // Ends the tutorial for good: statistics, both tutorial flags cleared, then the first screen.
    virtual void onTapStartButton() = 0;
    // The screen after the tutorial: connecting to a registered car, or registering the first one.
    virtual void showScreenAfterTutorial() = 0;
};

} // namespace tolvane::app
