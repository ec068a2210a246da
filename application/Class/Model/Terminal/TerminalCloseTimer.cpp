#include "Class/Model/Terminal/TerminalCloseTimer.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {

void TerminalCloseTimer::start(std::weak_ptr<TerminalStore> store, std::optional<foundation::Seconds> interval,
                               bool necessaryDelegate)
{
    LogManager::print("closeTimerStart has been executed.", LogLevel::information,
                      {.function = "closeTimerStart(timerInterval:necessaryDelegate:)"});
    if (timer_)
        timer_->invalidate();
    timer_ = foundation::RunLoop::main().scheduleTimer(
        interval.value_or(DEFAULT_INTERVAL), false,
        [store = std::move(store), necessaryDelegate](foundation::Timer&) {
            if (auto owner = store.lock())
                runOut(*owner, necessaryDelegate);
        });
}

void TerminalCloseTimer::runOut(TerminalStore& store, bool necessaryDelegate)
{
    if (necessaryDelegate) {
        if (auto delegate = store.delegate()) {
            const auto terminal = store.terminal();
            const auto& accessory = terminal ? terminal->accessory() : nullptr;
            if (accessory && accessory->isConnected() && store.isConnected())
                delegate->terminalCloseDidTimeOut();
            else
                delegate->terminalSessionDidEnd();
        }
    }
    store.closeSequence();
}

void TerminalCloseTimer::release()
{
    LogManager::print("releaseCloseTimer has been executed.", LogLevel::information,
                      {.function = "releaseCloseTimer()"});
    if (timer_)
        timer_->invalidate();
    timer_.reset();
}

bool TerminalCloseTimer::invalidateIfPending()
{
    if (!isValid())
        return false;
    timer_->invalidate();
    timer_.reset();
    return true;
}

} // namespace tolvane::app
