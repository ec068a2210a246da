#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/FirstRegistration/ViewModel/IFirstRegistrationViewModel.h"

#include "rx/Subject.h"

namespace tolvane::app {

// Where a user without a usable car starts: add a vehicle, go on to the registered ones, or leave.
// The vehicle's display requests never move the user away. Main thread only.
class FirstRegistrationViewModel final : public BaseViewModel, public IFirstRegistrationViewModel {
public:
    explicit FirstRegistrationViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{FirstRegistrationAction::none{}};

    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsExitButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void updateButtonLayout() override;
    void addVehicle() override;
    void finishRegistration() override;
};

} // namespace tolvane::app
