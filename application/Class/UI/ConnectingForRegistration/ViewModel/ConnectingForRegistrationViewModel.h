#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/IConnectingForRegistrationViewModel.h"

#include "foundation/Timer.h"

namespace tolvane::app {

// Connects to the unit chosen for registration and waits at most 40 s for the vehicle to confirm
// that it may be registered; the confirmation goes on to the completed screen, once. A failed open
// or a missing answer closes the link, records "E018" and asks the screen for the failure alert.
class ConnectingForRegistrationViewModel final : public BaseViewModel, public IConnectingForRegistrationViewModel {
public:
    explicit ConnectingForRegistrationViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{Action{Action::none{}}};
    foundation::TimerRef displayRequestWaitingTimeoutTimer;
    const foundation::Seconds responseWaitingTimeoutDuration = 40.0;

    std::string screenName() const override { return "ConnectingForRegistration"; }
    bool showsLeaveButton() const override { return true; }
    bool showsSettingButton() const override { return false; }
    bool showsIndicatorOnOpening() const override { return false; }
    bool transitionEnabled(RequiredDisplayId reqDisplayId) override;
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;
    // The open's own completion reports the result here.
    void onConnectionFailure() override {}

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void setTerminalInfo() override;
    void stopResponseWaitingTimer() override;

    void startResponseWaitingTimer();
    void handleConnectionFailure();
    void onTerminalOpened(bool opened);

private:
    foundation::LoopChecker loopChecker_;
};

} // namespace tolvane::app
