#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include <string>
#include <vector>

namespace screen_testing {

// A screen's view model with the answers a test needs, recording the lock changes it is told.
class ProbeViewModel : public tolvane::app::BaseViewModel {
public:
    using BaseViewModel::BaseViewModel;

    bool transitionEnabled(tolvane::RequiredDisplayId) override { return followsVehicle; }
    bool skipsKeyHaltPopup() const override { return skipsKeyHalt; }
    bool showsStackedAlerts() const override { return stackedAlerts; }
    bool showsExitButton() const override { return exitButton; }
    bool showsIndicatorOnOpening() const override { return indicatorOnOpening; }
    std::string screenName() const override { return "Probe"; }
    void displayLockChanged(bool isLocked) override { locks.push_back(isLocked); }

    bool followsVehicle = true;
    bool skipsKeyHalt = false;
    bool stackedAlerts = true;
    bool exitButton = false;
    bool indicatorOnOpening = true;
    std::vector<bool> locks;
};

} // namespace screen_testing
