#include "Class/UI/Warn/ViewModel/WarnViewModel.h"

#include "Class/UI/Base/View/HostDismissal.h"

namespace tolvane::app {

WarnViewModel::WarnViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

bool WarnViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (reqDisplayId == RequiredDisplayId::STOP && causeId == endedStop())
        return false;
    return BaseViewModel::transition(reqDisplayId, causeId);
}

CauseId WarnViewModel::endedStop() const
{
    if (inAppWarningKind_ == InAppWarningKind::disconnectAtIGONWarn || inAppWarningKind_ == InAppWarningKind::timeoutAtIGONWarn)
        return CauseId::TIMEOUT_CONTROL;
    return causeid_;
}

void WarnViewModel::onSessionDidEndEncounter()
{
    action.send(Action::sessionDidEndEncounter);
}

void WarnViewModel::onSessionCloseTimeout()
{
    action.send(Action::sessionCloseTimeout);
}

void WarnViewModel::stopSending()
{
    baseAction.send(BaseAction::setIndicator{});
    waitForStopSending();
}

void WarnViewModel::waitForStopSending()
{
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    stopSendingDispatchGroup.notify(STOP_SENDING_WAIT, [weak] {
        if (auto self = std::static_pointer_cast<WarnViewModel>(weak.lock()))
            self->dismissHostViewController();
    });
}

void WarnViewModel::dismissHostViewController()
{
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    const bool leaving = dismissHost([weak] {
        if (auto self = weak.lock())
            self->exitAppCycle();
    });
    // Stand-alone there is no host to hand back to: the screen stays, without a spinner that would
    // read as a hang.
    if (!leaving)
        baseAction.send(BaseAction::hideIndicator{});
}

} // namespace tolvane::app
