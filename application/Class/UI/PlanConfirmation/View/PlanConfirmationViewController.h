#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/PlanConfirmation/ViewModel/IPlanConfirmationViewModel.h"

#include <memory>

namespace ui {
class Button;
}

namespace tolvane::app {

class FrontBackPreview;
class InPreview;
class OutPreviewParallel;
class OutPreviewVertical;
class ParkingPlanTitleView;

// The user confirms the plan the vehicle offers: a title, one of four animated previews in which a
// direction is picked, the decide and stop buttons. The previews freeze while anything is
// presented over the screen.
class PlanConfirmationViewController final : public ScreenViewController<IPlanConfirmationViewModel> {
public:
    std::shared_ptr<ui::Button> decideButton;
    std::shared_ptr<ParkingPlanTitleView> planTitleView;
    std::shared_ptr<InPreview> inPlanView;
    std::shared_ptr<OutPreviewParallel> outPlanViewParallel;
    std::shared_ptr<OutPreviewVertical> outPlanViewVertical;
    std::shared_ptr<FrontBackPreview> frontBackPlanView;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void willMoveToParent(ui::ViewController* parent) override;
    void present(std::shared_ptr<ui::ViewController> controller, bool animated, Completion completion = {}) override;

    void onTapDecideButton();
    void onTapStopButton();
    void tapNavigationButtonLeave() override;
    void tapNavigationButtonExit() override;

private:
    void apply(const PlanConfirmationAction& action);
    void setPreviewAnimationHidden(bool hidden);
    void applyParkInPlanView();
    void applyParkOutPlanView();
    void applyForwardBackwardPlanView();
    void resetInPlanView();
    void clearInPlanView();
    void updateDecideButton(bool isEnabled);
    void dismissDismissablePopup();
    void showObstacleAlert();
    void setOutPreviewsHidden(bool hidden);
};

} // namespace tolvane::app
