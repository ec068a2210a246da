#include "Class/UI/RequestIdWaiting/ViewModel/RequestIdWaitingViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/RunExit.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"

#include "Internal/Model/IUserOperationModel.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

RequestIdWaitingViewModel::RequestIdWaitingViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

std::weak_ptr<RequestIdWaitingViewModel> RequestIdWaitingViewModel::weakSelf()
{
    return std::static_pointer_cast<RequestIdWaitingViewModel>(shared_from_this());
}

void RequestIdWaitingViewModel::scheduleTimeout()
{
    sensingTimeoutTimer = foundation::RunLoop::main().scheduleTimer(TIMEOUT_TIME, false, [weak = weakSelf()](foundation::Timer& timer) {
        timer.invalidate();
        if (const auto self = weak.lock())
            self->onSensingTimeout();
    });
}

void RequestIdWaitingViewModel::startSensingTimeoutTimer()
{
    if (!TerminalStore::shared()->isTimedOut && !sensingTimeoutTimer)
        scheduleTimeout();
}

void RequestIdWaitingViewModel::stopSensingTimeoutTimer()
{
    if (sensingTimeoutTimer)
        sensingTimeoutTimer->invalidate();
    sensingTimeoutTimer.reset();
}

bool RequestIdWaitingViewModel::transitionEnabled(RequiredDisplayId reqDisplayId)
{
    auto store = TerminalStore::shared();
    if (store->isTimedOut)
        return false;
    if (reqDisplayId == RequiredDisplayId::HALT) {
        stopSensingTimeoutTimer();
        store->isTimedOut = false;
        return true;
    }
    if (!sensingTimeoutTimer)
        scheduleTimeout();
    return true;
}

void RequestIdWaitingViewModel::onSensingTimeout()
{
    EventStack::shared().push(currentHistoryId().copy(), EventCode::E010, selectedCarName());
    TerminalStore::shared()->isTimedOut = true;
    displayWarnConfirmation(InAppWarningKind::timedOutRequestIDWaiting);
}

void RequestIdWaitingViewModel::tapCancelConfirmationPopupButtonYes()
{
    auto store = TerminalStore::shared();
    if (!store->isTimedOut) {
        BaseViewModel::tapCancelConfirmationPopupButtonYes();
        return;
    }
    baseAction.send(BaseAction::removeAllStackAlert{});
    userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_SENSING_WAIT_TIME_OUT_FINISH{});
    store->isTimedOut = false;
    baseAction.send(BaseAction::setIndicator{});
    sensingTimeoutTimer = foundation::RunLoop::main().scheduleTimer(SEND_ACT_TIME, false, [weak = weakSelf()](foundation::Timer& timer) {
        timer.invalidate();
        leaveFeature(weak);
    });
}

void RequestIdWaitingViewModel::tapCancelConfirmationPopupButtonNo()
{
    BaseViewModel::tapCancelConfirmationPopupButtonNo();
    if (TerminalStore::shared()->isTimedOut)
        displayWarnConfirmation(InAppWarningKind::timedOutRequestIDWaiting);
}

} // namespace tolvane::app
