#pragma once

#include "Class/UI/Activation/ViewModel/IActivationViewModel.h"
#include "Class/UI/Base/ViewModel/BaseViewModel.h"

#include "foundation/Clock.h"
#include "foundation/Timer.h"
#include "rx/Subject.h"

#include <optional>

namespace tolvane::app {

// The last step before the vehicle starts its own checks: the link is up and the vehicle asks to
// start parking in or out. A start button asks the vehicle to start; 180 s without one end the run
// with a time-out warning. A lost link starts again from the first screen. Main thread only.
class ActivationViewModel final : public BaseViewModel, public IActivationViewModel {
public:
    static constexpr foundation::Seconds TIMER_INTERVAL = 1.0;
    static constexpr foundation::Seconds TIMEOUT_TIME = 180.0;

    explicit ActivationViewModel(BaseViewModelInjection injection);

    rx::Published<Action> action{ActivationAction::none{}};
    foundation::TimerRef startTimeoutTimer;
    std::optional<foundation::Seconds> timerStartDate;

    std::string screenName() const override { return "Activation"; }
    bool showsStackedAlerts() const override { return true; }
    bool skipsKeyHaltPopup() const override { return true; }
    bool transitionEnabled(RequiredDisplayId reqDisplayId) override;
    void onConnectionFailure() override { popToRootAndRestart(); }
    void tapCancelConfirmationPopupButtonYes() override;

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void setAction(Action newAction) override { action.send(std::move(newAction)); }
    void startTimeoutCheck() override;
    void stopTimeoutCheck() override;
    void loadScreenContents() override;
    void requestStart() override;
    void changeVehicle() override;

private:
    void tick(foundation::Timer& timer);
};

} // namespace tolvane::app
