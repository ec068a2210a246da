#pragma once

#include "rx/Subject.h"

namespace tolvane::app {

// The application delegate: owner of the feature's start-up and lifecycle bodies.
class TolvaneIntegrationAppAppDelegate {
public:
    // True while the link was in use when the application resigned active; false again at every
    // become-active. The screens' view models replay the last display request when it turns false.
    rx::Published<bool> isBackground{false};
};

} // namespace tolvane::app
