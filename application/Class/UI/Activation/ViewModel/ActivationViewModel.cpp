#include "Class/UI/Activation/ViewModel/ActivationViewModel.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/RunExit.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/TerminalStore.h"

#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IUserOperationModel.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {
namespace {

foundation::Seconds now()
{
    return foundation::RunLoop::main().clock().now();
}

// Closes the link at once, with its retries and close timer.
void closeLink()
{
    TerminalStore::shared()->shutdownTerminal([] {});
}

} // namespace

ActivationViewModel::ActivationViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

bool ActivationViewModel::transitionEnabled(RequiredDisplayId reqDisplayId)
{
    return reqDisplayId != RequiredDisplayId::START_PARK_IN && reqDisplayId != RequiredDisplayId::START_PARK_OUT;
}

void ActivationViewModel::startTimeoutCheck()
{
    std::weak_ptr<ActivationViewModel> weak = std::static_pointer_cast<ActivationViewModel>(shared_from_this());
    startTimeoutTimer = foundation::RunLoop::main().scheduleTimer(TIMER_INTERVAL, true, [weak](foundation::Timer& timer) {
        if (const auto self = weak.lock())
            self->tick(timer);
        else
            timer.invalidate();
    });
    if (!timerStartDate)
        timerStartDate = now();
    else if (!toSettings)
        startTimeoutTimer->fire();
}

void ActivationViewModel::stopTimeoutCheck()
{
    if (startTimeoutTimer)
        startTimeoutTimer->invalidate();
}

void ActivationViewModel::tick(foundation::Timer& timer)
{
    if (now() - timerStartDate.value_or(now()) < TIMEOUT_TIME)
        return;
    timer.invalidate();
    closeLink();
    EventStack::shared().push(currentHistoryId().copy(), EventCode::E004, selectedCarName());
    transitionManager->showWarn(InAppWarningKind::timedOutActivation);
}

void ActivationViewModel::loadScreenContents()
{
    const auto& selected = CarRecordStore::shared().selectedCarRecord;
    if (!selected) {
        // Only reachable by a stray start request: without a car there is nothing to start.
        stopTimeoutCheck();
        transitionManager->popToRootViewController();
        return;
    }
    action.send(ActivationAction::setConnectionSuccessLabel{selected->CarName});
    action.send(ActivationAction::setCarImage{selected->CarImagePath});
    std::weak_ptr<ActivationViewModel> weak = std::static_pointer_cast<ActivationViewModel>(shared_from_this());
    cancellables.insert(displayData->reqDisplayId().sink([weak](RequiredDisplayId reqDisplayId) {
        const auto self = weak.lock();
        if (!self)
            return;
        if (reqDisplayId == RequiredDisplayId::START_PARK_OUT)
            self->action.send(ActivationAction::setButtonImage{true});
        else if (reqDisplayId == RequiredDisplayId::START_PARK_IN)
            self->action.send(ActivationAction::setButtonImage{false});
    }));
}

void ActivationViewModel::requestStart()
{
    stopTimeoutCheck();
    userOperationModel->notifyUserOperation(UserOperationKind::REQ_START_TOLVANE{});
}

void ActivationViewModel::changeVehicle()
{
    stopTimeoutCheck();
    closeLink();
    transitionManager->showConnectionConfirmation();
}

void ActivationViewModel::tapCancelConfirmationPopupButtonYes()
{
    stopTimeoutCheck();
    closeLink();
    std::weak_ptr<BaseViewModel> weak = weak_from_this();
    foundation::RunLoop::main().post([weak] { closeRunAndLeave(EventCode::E003, weak); });
}

} // namespace tolvane::app
