#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Base/ViewModel/IConnectingTimeoutQuery.h"
#include "Class/UI/Connecting/ViewModel/IConnectingViewModel.h"

#include "foundation/Clock.h"
#include "foundation/Timer.h"
#include "rx/Subject.h"

#include <cstdint>
#include <optional>

namespace tolvane::app {

// The wait for the link to the selected car: it asks for the link with retries covering 180 s,
// changes its texts after 10 s and 20 s, and after 180 s gives up and offers only the end. The
// vehicle's first display request moves the user on. Main thread only.
class ConnectingViewModel final : public BaseViewModel, public IConnectingViewModel, public IConnectingTimeoutQuery {
public:
    static constexpr foundation::Seconds TIMER_INTERVAL = 2.0;
    static constexpr foundation::Seconds FIRST_INTERVAL = 10.0;
    static constexpr foundation::Seconds SECOND_INTERVAL = 20.0;
    static constexpr foundation::Seconds THIRD_INTERVAL = 180.0;

    explicit ConnectingViewModel(BaseViewModelInjection injection);

    // Retries of the opening that span the wait at `interval` seconds apart; a non-positive or
    // unreadable interval counts as the default 1.0 s.
    static int64_t retryCount(double interval);

    rx::Published<Action> action{ConnectingAction::none{}};
    bool _isTimedOut = false;
    foundation::TimerRef timeoutTimer;
    std::optional<foundation::Seconds> timerStartDate;

    bool transitionEnabled(RequiredDisplayId) override { return true; }
    void onConnectionFailure() override {}
    bool showsIndicatorOnOpening() const override { return false; }
    void tapCancelConfirmationPopupButtonYes() override;
    void resetBaseAction() override { action.send(ConnectingAction::none{}); }

    rx::Publisher<Action> actionPublisher() const override { return action.publisher(); }
    void beginNewScreen() override { _isTimedOut = false; }
    bool hasConnectingTimedOut() const override { return _isTimedOut; }
    void startConnecting() override;
    void cancelConnecting() override;
    void endConnecting() override;
    void releaseTimer() override;
    void removeStopConfirmation() override { baseAction.send(BaseAction::removeStack{DisplayPriority::stopConfirmation}); }

private:
    void tick();
    void publishTexts(const std::string& title, const std::string& description);
};

} // namespace tolvane::app
