#include "Class/UI/IGONWarn/ViewModel/IGONWarnViewModel.h"

#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {

IGONWarnViewModel::IGONWarnViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

bool IGONWarnViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (reqDisplayId == RequiredDisplayId::STOP && causeId == causeId_)
        return false;
    return BaseViewModel::transition(reqDisplayId, causeId);
}

void IGONWarnViewModel::onSessionDidEndEncounter()
{
    if (causeId_ != CauseId::TIMEOUT_CONTROL)
        return;
    LogManager::print("Detect Disconnect", LogLevel::debug, {.function = "onSessionDidEndEncounter()"});
    TerminalStore::shared()->releaseCloseTimer();
    transitionManager->showWarn(InAppWarningKind::disconnectAtIGONWarn);
}

void IGONWarnViewModel::onSessionCloseTimeout()
{
    if (causeId_ != CauseId::TIMEOUT_CONTROL) {
        std::weak_ptr<BaseViewModel> weak = weak_from_this();
        foundation::RunLoop::main().post([weak] {
            if (auto self = weak.lock())
                self->showCloseTerminalTimeoutWarn();
        });
        return;
    }
    // One end screen only, the control time-out's own, with the close reason of a close time-out.
    LogManager::print("Detect Closed Timeout", LogLevel::debug, {.function = "onSessionCloseTimeout()"});
    recordCloseTerminalTimeout();
    TerminalStore::shared()->releaseCloseTimer();
    transitionManager->showWarn(InAppWarningKind::timeoutAtIGONWarn);
}

void IGONWarnViewModel::setIndicator()
{
    baseAction.send(BaseAction::setIndicator{});
}

} // namespace tolvane::app
