#include "Class/UI/PlanConfirmation/ViewModel/PlanConfirmationViewModel.h"

#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "Internal/Model/IDisplayData.h"
#include "Internal/Model/IUserOperationModel.h"
#include "R.h"

namespace tolvane::app {
namespace {

rx::Publisher<bool> anySelected(const rx::CurrentValueSubject<std::optional<PlanParkInDirection>>& parkIn,
                                const rx::CurrentValueSubject<std::optional<PlanParkOutDirection>>& parkOut,
                                const rx::CurrentValueSubject<std::optional<PlanForwardBackwardDirection>>& forwardBackward)
{
    return rx::combineLatest(parkIn.publisher(), parkOut.publisher(), forwardBackward.publisher()).map([](const auto& latest) {
        const auto& [in, out, frontBack] = latest;
        return in.has_value() || out.has_value() || frontBack.has_value();
    });
}

bool isPlanDisplay(RequiredDisplayId id)
{
    using enum RequiredDisplayId;
    return id == SEL_PARK_IN || id == SEL_PARK_OUT || id == SEL_FORWARD_BACKWARD;
}

} // namespace

PlanConfirmationViewModel::PlanConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IVehicleStateData> vehicleStateData,
                                                     std::shared_ptr<IUserOperationModel>)
    : BaseViewModel(std::move(injection)),
      vehicleStateData_(std::move(vehicleStateData)),
      isSelectedDestination_(anySelected(selectedParkIn, selectedParkOut, selectedForwardBackward))
{
}

void PlanConfirmationViewModel::displayLockChanged(bool isLocked)
{
    if (!isLocked)
        unlockDisplay();
}

bool PlanConfirmationViewModel::transition(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    // A stop confirmation answered No replays the plan display: the previews play again.
    if (isPlanDisplay(reqDisplayId) && lockingDisplay)
        resumePreview();
    return BaseViewModel::transition(reqDisplayId, causeId);
}

void PlanConfirmationViewModel::unlockDisplay()
{
    baseAction.send(BaseAction::hideIndicator{});
    lockingDisplay = false;
    actionSubject.send(PlanConfirmationAction::playPreview{});
    if (popupKind && isDismissable(*popupKind))
        actionSubject.send(PlanConfirmationAction::dismissPresentedViewController{});
    popupKind.reset();
    std::weak_ptr<PlanConfirmationViewModel> weak = std::static_pointer_cast<PlanConfirmationViewModel>(shared_from_this());
    displaySubscription_.cancel();
    displaySubscription_ = displayData->reqDisplayId().sink([weak](RequiredDisplayId id) {
        if (auto self = weak.lock())
            self->applyRequiredDisplay(id);
    });
    // Ended with the base's subscriptions when the screen disappears.
    cancellables.insert(rx::Cancellable([weak] {
        if (auto self = weak.lock())
            self->displaySubscription_.cancel();
    }));
}

void PlanConfirmationViewModel::applyRequiredDisplay(RequiredDisplayId reqDisplayId)
{
    using enum RequiredDisplayId;
    switch (reqDisplayId) {
    case SEL_PARK_IN:
        actionSubject.send(PlanConfirmationAction::applyParkInPlanView{});
        break;
    case SEL_PARK_OUT:
        actionSubject.send(PlanConfirmationAction::applyParkOutPlanView{});
        break;
    case SEL_FORWARD_BACKWARD:
        actionSubject.send(PlanConfirmationAction::applyForwardBackwardPlanView{});
        break;
    default:
        return;
    }
    if (obstacleConfirmationId != reqDisplayId)
        obstacleConfirmationId.reset();
}

void PlanConfirmationViewModel::decide()
{
    baseAction.send(BaseAction::setIndicator{});
    // Forward/backward first, then park-in, then park-out.
    if (auto direction = selectedForwardBackward.value()) {
        userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{*direction});
        return;
    }
    if (auto direction = selectedParkIn.value()) {
        userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{*direction});
        return;
    }
    if (auto direction = selectedParkOut.value())
        userOperationModel->notifyUserOperation(UserOperationKind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{*direction});
}

void PlanConfirmationViewModel::updateObstaclePopup(bool isObstacle, RequiredDisplayId displayId)
{
    if (obstacleConfirmationId)
        return;
    if (!isObstacle) {
        // The kind stays: an obstacle coming back raises no second pop-up until the next unlock.
        if (popupKind == PopupKind::obstacle) {
            actionSubject.send(PlanConfirmationAction::dismissPresentedViewController{});
            resumePreview();
        }
        return;
    }
    if (popupKind == PopupKind::obstacle)
        return;
    popupKind = PopupKind::obstacle;
    std::weak_ptr<PlanConfirmationViewModel> weak = std::static_pointer_cast<PlanConfirmationViewModel>(shared_from_this());
    auto okAction = std::make_shared<CustomAlertAction>(R::string::localizable::Parking_ObstaclePopupOK(textLanguages()),
                                                        CustomAlertControllerAction::defaultAction, [weak, displayId](CustomAlertAction&) {
                                                            if (auto self = weak.lock())
                                                                self->confirmObstacle(displayId);
                                                        });
    actionSubject.send(PlanConfirmationAction::showObstacleAlert{okAction});
}

void PlanConfirmationViewModel::confirmObstacle(RequiredDisplayId displayId)
{
    obstacleConfirmationId = displayId;
    resumePreview();
    popupKind.reset();
}

void PlanConfirmationViewModel::resumePreview()
{
    lockingDisplay = false;
    actionSubject.send(PlanConfirmationAction::playPreview{});
}

} // namespace tolvane::app
