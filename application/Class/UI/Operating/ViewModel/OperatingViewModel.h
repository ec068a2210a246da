#pragma once

#include "Class/UI/Base/ViewModel/BaseViewModel.h"
#include "Class/UI/Operating/ViewModel/IOperatingViewModel.h"

#include "rx/Subject.h"

#include <memory>
#include <optional>

namespace tolvane {
class IVehicleStateData;
struct ObstacleInfo;
struct OperateInfo;
} // namespace tolvane

namespace tolvane::app {

class VibrationGenerator;

// The state of the operating screen while the vehicle moves: turns the vehicle's operation reports
// into button states, a progress value, the drive direction and the remaining distance, and its
// obstacle reports into sonar commands; sends the user's direction-change, end and interrupt
// requests; owns the hint timer and the vibration of the hold controls. One object for the process,
// so the progress denominator carries over from one operating screen to the next. Main thread only.
class OperatingViewModel final : public BaseViewModel, public IOperatingViewModel {
public:
    enum class RequestThing { directionChange, endHalfway, stop };

    static constexpr foundation::Seconds releaseShakeGeneratorInterval = 10.0;
    static constexpr foundation::Seconds durationToShowHint = 10.0;

    OperatingViewModel(BaseViewModelInjection injection, std::shared_ptr<IVehicleStateData> vehicleStateData,
                       std::shared_ptr<IUserOperationModel> userOperationModel);
    ~OperatingViewModel() override;

    const std::shared_ptr<IVehicleStateData> vehicleStateData;
    // Written as the requests are made; the vehicle's reports decide what the screen shows.
    bool isLockingDisplay = false;
    std::optional<RequestThing> requestingThing;

    // BaseViewModel
    std::string screenName() const override { return "Controlling"; }
    bool showsExitButton() const override { return true; }
    bool showsStackedAlerts() const override { return true; }
    void displayLockChanged(bool isLocked) override;
    void onSessionDidEndEncounter() override;
    void resetBaseAction() override;
    void clearCancellables() override;
    void displayWarnConfirmation(InAppWarningKind appWarningKind) override;
    using BaseViewModel::displayWarnConfirmation;

    // IOperatingViewModel
    rx::Publisher<Action> action() const override { return action_.publisher(); }
    rx::Publisher<ControlAction> controlAction() const override { return controlAction_.publisher(); }
    rx::Publisher<ClearSonerDetectionAction> clearSonerDetectionAction() const override { return clearSonerDetectionAction_.publisher(); }
    void sendControlAction(const ControlAction& action) override { controlAction_.send(action); }
    std::optional<ui::Rect> navigationBarSize() const override { return navigationBarSize_; }
    void setNavigationBarSize(std::optional<ui::Rect> frame) override { navigationBarSize_ = frame; }
    std::optional<PopupKind> presentedPopup() const override { return presentedPopup_; }
    foundation::TimerRef showHintTimer() const override { return showHintTimer_; }
    void setShowHintTimer(foundation::TimerRef timer) override { showHintTimer_ = std::move(timer); }
    void operatingWillAppear() override;
    void willDisappear() override;
    void dismissPresentedPopup() override;
    void willPresentViewController(bool isWarning) override;
    void stopTimers() override;
    void didRequestDirectionChange() override;
    void didRequestInterrupt() override;
    void didRequestEndHalfway() override;
    void startShowHintTimer() override;
    void startReleaseShakeGeneratorTimer() override;

private:
    void handle(const OperateInfo& operateInfo);
    void handle(const ObstacleInfo& obstacleInfo);
    void updateButtonStates(const OperateInfo& operateInfo);
    void setProgressValue(const OperateInfo& operateInfo);
    void showEndHalfwayConfirmation();
    void confirmEndHalfway();
    void cancelEndHalfway();
    bool presentsOwnPopup() const;
    std::shared_ptr<OperatingViewModel> self();

    rx::Published<Action> action_{Action::none{}};
    rx::Published<ControlAction> controlAction_{ControlAction::none{}};
    rx::Published<ClearSonerDetectionAction> clearSonerDetectionAction_{ClearSonerDetectionAction::none{}};
    std::optional<PopupKind> presentedPopup_;
    // Whether the vehicle last reported the direction change and the end half-way as hidden.
    std::optional<bool> isHiddenDirectionChangeButton_;
    std::optional<bool> isHiddenEndHalfWayView_;
    // The remaining distance taken at the last reset: the progress is measured against it.
    int64_t progressMaxValue_ = 0;
    bool isForward_ = false;
    std::unique_ptr<VibrationGenerator> vibrationGenerator_;
    foundation::TimerRef releaseShakeGeneratorTimer_;
    foundation::TimerRef showHintTimer_;
    std::optional<ui::Rect> navigationBarSize_;
    // The two report subscriptions: one of each at a time, however often the screen appears.
    rx::CancellableSet vehicleReports_;
    foundation::LoopChecker loopChecker_;
};

} // namespace tolvane::app
