#pragma once

#include "Class/Model/EventCode.h"

#include <memory>

namespace tolvane::app {

class IBaseViewModel;

// How a screen leaves the feature: the run's history row gets `eventCode` with the selected car's
// name (empty when none is chosen); then, when a host presented the feature, the host's controller
// is dismissed and the run ends in `viewModel` if it still exists. Stand-alone, only the close
// reason is recorded. Main thread only.
void closeRunAndLeave(EventCode eventCode, std::weak_ptr<IBaseViewModel> viewModel);
// The same without recording a close reason.
void leaveFeature(std::weak_ptr<IBaseViewModel> viewModel);
// As closeRunAndLeave, for a screen with nothing left to show once it is left: stand-alone, where
// no host takes the feature away, the run's exit cycle runs at once, so that the link is closed and
// the program goes back to its first screen instead of staying on an empty screen with a live link.
void closeRunAndEnd(EventCode eventCode, std::weak_ptr<IBaseViewModel> viewModel);

} // namespace tolvane::app
