#pragma once

#include "Class/UI/Base/View/ScreenViewController.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include <memory>

namespace ui {
class Button;
class Label;
class LayoutConstraint;
} // namespace ui

namespace tolvane::app {

class ClearSonerDetectionView;
class DriveProgressView;

// The screen shown while the vehicle moves: a safety title, the drive direction, the remaining
// distance, the sonar, the direction-change buttons and the hold control that the user keeps a
// finger on. Every presentation over it deactivates the hold control. Main thread only.
class OperatingViewController final : public ScreenViewController<IOperatingViewModel> {
public:
    // Which hold control the control area holds.
    enum class HoldControl { slider, ring };

    struct Outlets {
        std::shared_ptr<ui::Label> titleLabel;
        std::shared_ptr<ui::Label> frontBackLabel;
        std::shared_ptr<ui::Label> powerOffButtonHintLabel;
        std::shared_ptr<ui::Label> interruptButtonHintLabel;
        std::shared_ptr<ui::Label> endHalfwayButtonHintLabel;
        std::shared_ptr<ui::View> interruptButtonHintView;
        std::shared_ptr<ui::View> powerOffButtonHintView;
        std::shared_ptr<ui::View> endHalfwayButtonHintView;
        std::shared_ptr<DriveProgressView> driveProgressView;
        std::shared_ptr<ClearSonerDetectionView> clearSonerDetectionView;
        std::shared_ptr<ui::Button> directionChangeForwardButton;
        std::shared_ptr<ui::Button> directionChangeBackwardButton;
        std::shared_ptr<ui::Button> endHalfwayButton;
        std::shared_ptr<ui::Button> interruptButton;
        std::shared_ptr<ui::View> controlArea;
        std::shared_ptr<ui::LayoutConstraint> driveProgressViewAlignConstraintOnDriveForward;
        std::shared_ptr<ui::LayoutConstraint> driveProgressViewAlignConstraintOnDriveBackward;
    };

    explicit OperatingViewController(HoldControl holdControl = HoldControl::slider) : holdControl(holdControl) {}

    const HoldControl holdControl;
    // Filled by the "Operating" scene when the view loads.
    Outlets outlets;

    void loadView() override;
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;
    void willMoveToParent(ui::ViewController* parent) override;
    void viewWillDisappear(bool animated) override;
    void present(std::shared_ptr<ui::ViewController> controller, bool animated, Completion completion = {}) override;
    void clearStackAlert() override;

    void tapNavigationButtonSetting() override;
    void tapNavigationButtonExit() override;
    void didTouchDirectionChange();
    void didTouchInterrupt();
    void didTouchEndHalfway();
    void didTouchPowerOffButtonHintClose();
    void didTouchInterruptButtonHintClose();
    void didTouchEndHalfwayButtonHintClose();

    void apply(const IOperatingViewModel::Action& action);
    void applyDriveDirection(OperateDirection direction);

private:
    void showEndHalfwayConfirmationPopup(const IOperatingViewModel::Action::showEndHalfwayConfirmationPopup& popup);
    // The drive progress view where its stronger placement puts it.
    void placeDriveProgressView();
    bool presentsOwnPopup() const;
};

} // namespace tolvane::app
