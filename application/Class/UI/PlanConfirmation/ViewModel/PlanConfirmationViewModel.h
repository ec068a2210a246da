#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/PlanConfirmation/ViewModel/IPlanConfirmationViewModel.h"

#include <memory>
#include <optional>

namespace tolvane {
class IUserOperationModel;
class IVehicleStateData;
} // namespace tolvane

namespace tolvane::app {

// Holds the direction selected for each plan kind, tells the screen which plan view to show,
// freezes and resumes the previews while something covers the screen, raises the obstacle pop-up
// once per showing, and sends the decided plan. Main thread only.
class PlanConfirmationViewModel final : public BaseViewModel, public IPlanConfirmationViewModel {
public:
    // `userOperationModel` is the same service as the injection's, through which the plan is sent.
    PlanConfirmationViewModel(BaseViewModelInjection injection, std::shared_ptr<IVehicleStateData> vehicleStateData,
                              std::shared_ptr<IUserOperationModel> userOperationModel);

    rx::Published<PlanConfirmationAction> actionSubject{PlanConfirmationAction::none{}};
    rx::CurrentValueSubject<std::optional<PlanParkInDirection>> selectedParkIn{std::nullopt};
    rx::CurrentValueSubject<std::optional<PlanParkOutDirection>> selectedParkOut{std::nullopt};
    rx::CurrentValueSubject<std::optional<PlanForwardBackwardDirection>> selectedForwardBackward{std::nullopt};
    std::optional<PopupKind> popupKind;
    bool lockingDisplay = false;
    // The plan display on which the obstacle pop-up was confirmed; nothing confirms it on this screen.
    std::optional<RequiredDisplayId> obstacleConfirmationId;

    // BaseViewModel
    std::string screenName() const override { return "Selection"; }
    bool showsLeaveButton() const override { return true; }
    bool showsExitButton() const override { return false; }
    bool showsStackedAlerts() const override { return true; }
    void displayLockChanged(bool isLocked) override;
    bool transition(RequiredDisplayId reqDisplayId, CauseId causeId) override;

    // IPlanConfirmationViewModel
    rx::Published<PlanConfirmationAction>& action() override { return actionSubject; }
    rx::Publisher<bool> isSelectedDestination() const override { return isSelectedDestination_; }
    rx::CurrentValueSubject<std::optional<PlanParkInDirection>>& selectedParkInDestination() override { return selectedParkIn; }
    rx::CurrentValueSubject<std::optional<PlanParkOutDirection>>& selectedParkOutDestination() override { return selectedParkOut; }
    rx::CurrentValueSubject<std::optional<PlanForwardBackwardDirection>>& selectedForwardBackwardDestination() override
    {
        return selectedForwardBackward;
    }
    std::optional<PopupKind>& presentedPopupKind() override { return popupKind; }
    bool& isLockingDisplay() override { return lockingDisplay; }
    const std::shared_ptr<IVehicleStateData>& vehicleStateData() const override { return vehicleStateData_; }
    bool isStopConfirmationShown() const override { return isShowStopConfirmation; }
    void decide() override;
    void unlockDisplay() override;
    void updateObstaclePopup(bool isObstacle, RequiredDisplayId displayId) override;

    // The handler of the obstacle pop-up's OK action: no more obstacle pop-ups on this plan display.
    void confirmObstacle(RequiredDisplayId displayId);

private:
    void applyRequiredDisplay(RequiredDisplayId reqDisplayId);
    void resumePreview();

    const std::shared_ptr<IVehicleStateData> vehicleStateData_;
    const rx::Publisher<bool> isSelectedDestination_;
    // One subscription to the display id however often the screen unlocks.
    rx::Cancellable displaySubscription_;
};

} // namespace tolvane::app
