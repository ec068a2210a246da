#include "Class/UI/Connecting/ViewModel/ConnectingViewModel.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/RunExit.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "R.h"

#include "foundation/LocalizedStrings.h"
#include "foundation/RunLoop.h"

#include <cmath>
#include <limits>

namespace tolvane::app {
namespace {

constexpr double DEFAULT_RETRY_INTERVAL = 1.0;

foundation::Seconds now()
{
    return foundation::RunLoop::main().clock().now();
}

std::string withCarName(const std::string& text)
{
    return foundation::LocalizedStrings::format(text, {selectedCarName()});
}

} // namespace

ConnectingViewModel::ConnectingViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

int64_t ConnectingViewModel::retryCount(double interval)
{
    if (!std::isfinite(interval) || interval <= 0)
        interval = DEFAULT_RETRY_INTERVAL;
    // Computed in double and bounded, so a tiny interval cannot overflow the count.
    const double count = std::trunc(THIRD_INTERVAL / interval);
    constexpr auto largest = static_cast<double>(std::numeric_limits<int32_t>::max());
    return static_cast<int64_t>(std::min(count, largest));
}

void ConnectingViewModel::publishTexts(const std::string& title, const std::string& description)
{
    action.send(ConnectingAction::setConnectingLabel{withCarName(title)});
    action.send(ConnectingAction::setGuideLabel{description});
}

void ConnectingViewModel::startConnecting()
{
    if (_isTimedOut) {
        action.send(ConnectingAction::changeViewAlert{});
        return;
    }
    if (timeoutTimer)
        return;
    const auto languages = textLanguages();
    publishTexts(R::string::localizable::Connecting_First_Title(languages), R::string::localizable::Connecting_First_Description(languages));
    std::weak_ptr<ConnectingViewModel> weak = std::static_pointer_cast<ConnectingViewModel>(shared_from_this());
    timeoutTimer = foundation::RunLoop::main().scheduleTimer(TIMER_INTERVAL, true, [weak](foundation::Timer& timer) {
        const auto self = weak.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        self->tick();
    });
    timerStartDate = now();
    startTerminalConnection(retryCount(UserDefaultsValues::intervalOfRetryOpenSession()), false);
}

void ConnectingViewModel::tick()
{
    const foundation::Seconds elapsed = now() - timerStartDate.value_or(now());
    const auto languages = textLanguages();
    if (elapsed > THIRD_INTERVAL) {
        // Repeated at every later tick until the timer goes: the time-out state stays in force.
        TerminalStore::shared()->cancelOpen();
        action.send(ConnectingAction::changeViewAlert{});
        _isTimedOut = true;
    } else if (elapsed > SECOND_INTERVAL) {
        publishTexts(R::string::localizable::Connecting_Third_Title(languages), R::string::localizable::Connecting_Third_Description(languages));
    } else if (elapsed > FIRST_INTERVAL) {
        publishTexts(R::string::localizable::Connecting_Second_Title(languages),
                     R::string::localizable::Connecting_Second_Description(languages));
    }
}

void ConnectingViewModel::releaseTimer()
{
    if (timeoutTimer)
        timeoutTimer->invalidate();
    timeoutTimer.reset();
    timerStartDate.reset();
}

void ConnectingViewModel::cancelConnecting()
{
    releaseTimer();
    TerminalStore::shared()->cancelOpen();
    transitionManager->showConnectionConfirmation();
}

void ConnectingViewModel::endConnecting()
{
    releaseTimer();
    _isTimedOut = false;
    closeRunAndLeave(EventCode::E005, shared_from_this());
}

void ConnectingViewModel::tapCancelConfirmationPopupButtonYes()
{
    releaseTimer();
    TerminalStore::shared()->cancelOpen();
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    foundation::RunLoop::main().post([weak] { closeRunAndLeave(EventCode::E003, weak); });
}

} // namespace tolvane::app
