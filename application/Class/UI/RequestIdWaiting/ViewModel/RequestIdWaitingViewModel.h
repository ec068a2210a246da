#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/RequestIdWaiting/ViewModel/IRequestIdWaitingViewModel.h"

#include "foundation/Clock.h"
#include "foundation/Timer.h"

namespace tolvane::app {

// The wait while the vehicle senses before an operation. The vehicle's HALT ends a 30 s time-out;
// when it runs out first, the run's history gets E010, every display request is refused and a
// warning offers to go on (the vehicle is told it cannot start) or to end. Main thread only.
class RequestIdWaitingViewModel final : public BaseViewModel, public IRequestIdWaitingViewModel {
public:
    static constexpr foundation::Seconds TIMEOUT_TIME = 30.0;
    static constexpr foundation::Seconds SEND_ACT_TIME = 1.2;

    explicit RequestIdWaitingViewModel(BaseViewModelInjection injection);

    // The running time-out, the spent one until cleared, or the delay before leaving.
    foundation::TimerRef sensingTimeoutTimer;

    std::string screenName() const override { return "RequestIDWaiting"; }
    bool showsLeaveButton() const override { return true; }
    bool showsExitButton() const override { return false; }
    bool showsStackedAlerts() const override { return true; }
    void onConnectionFailure() override { popToRootAndRestart(); }
    bool transitionEnabled(RequiredDisplayId reqDisplayId) override;
    void tapCancelConfirmationPopupButtonYes() override;
    void tapCancelConfirmationPopupButtonNo() override;

    void startSensingTimeoutTimer() override;
    void stopSensingTimeoutTimer() override;

private:
    void scheduleTimeout();
    void onSensingTimeout();
    std::weak_ptr<RequestIdWaitingViewModel> weakSelf();
};

} // namespace tolvane::app
