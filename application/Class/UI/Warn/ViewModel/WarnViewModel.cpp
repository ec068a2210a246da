#include "Class/UI/Warn/ViewModel/WarnViewModel.h"

#include "Class/TolvaneIntegrationAppHelper.h"

#include "ui/ViewController.h"

namespace tolvane::app {

WarnViewModel::WarnViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

bool WarnViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    if (reqDisplayId == RequiredDisplayId::STOP && causeId == causeid_)
        return false;
    return BaseViewModel::transition(reqDisplayId, causeId);
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
    // Stand-alone there is no host to hand back to: the screen stays as it is.
    const auto host = TolvaneIntegrationAppHelper::shared().superViewController;
    if (!host)
        return;
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    host->dismiss(true, [weak] {
        if (auto self = weak.lock())
            self->exitAppCycle();
    });
}

} // namespace tolvane::app
