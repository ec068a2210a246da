#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/ConnectionCompletionForRegistration/ViewModel/IConnectionCompletionForRegistrationViewModel.h"

namespace tolvane::app {

// Confirms that the unit being registered is reached. Vehicle requests and link failures leave the
// screen as it is; leaving it closes the link.
class ConnectionCompletionForRegistrationViewModel final : public BaseViewModel, public IConnectionCompletionForRegistrationViewModel {
public:
    explicit ConnectionCompletionForRegistrationViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{Action{Action::none{}}};

    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId) override { return false; }
    void onConnectionFailure() override {}

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void loadDevice() override;
    void registerCar() override;
    void disconnectTerminal() override;
};

} // namespace tolvane::app
