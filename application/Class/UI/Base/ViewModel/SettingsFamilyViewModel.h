#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"

namespace tolvane::app {

// The answers shared by the screens of the settings menu: a leave button and neither the settings
// nor the exit button, no indicator while the link opens, vehicle requests that never move the
// screen (one that ends the run ends the link), and a lost link opened again to the chosen car.
class SettingsFamilyViewModel : public BaseViewModel {
public:
    using BaseViewModel::BaseViewModel;

    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override
    {
        return transitionWithoutScreenChange(reqDisplayId, causeId);
    }
    void onConnectionFailure() override { reconnectSelectedCar(); }
};

} // namespace tolvane::app
