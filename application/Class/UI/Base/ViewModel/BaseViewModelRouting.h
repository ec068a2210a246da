#pragma once

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"

namespace tolvane::app {

class BaseViewModel;

// The base view model's routing decision: which requests of the vehicle it acts on, which alerts
// they drop and which screen the router shows next, and the common road to the two end screens.
// Main thread only.
class BaseViewModelRouting {
public:
    BaseViewModelRouting() = delete;

    // Routes every pair of the framework's combined stream, and the latest pair again when the
    // application comes back to the foreground.
    static void setBinding(BaseViewModel& viewModel);

    // A display request worth acting on: a screen of the run without a cause, or an interruption or
    // end with one.
    static bool isValidPair(RequiredDisplayId reqDisplayId, CauseId causeId);
    // True exactly when a final screen (arrival, a completed screen or the end) is under way.
    static bool transition(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId);
    static void transitionToWarn(BaseViewModel& viewModel, bool isIGONWarn, CauseId causeId);
    // The decision of the screens that never follow vehicle requests: ends the link when the pair
    // ends the run, changes no screen, and returns false.
    static bool transitionWithoutScreenChange(RequiredDisplayId reqDisplayId, CauseId causeId);

private:
    static void actOnDisplayId(BaseViewModel& viewModel, RequiredDisplayId reqDisplayId, CauseId causeId);
    static void transitionToStop(BaseViewModel& viewModel, CauseId causeId);
};

} // namespace tolvane::app
