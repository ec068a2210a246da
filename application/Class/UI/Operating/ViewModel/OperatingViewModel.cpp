#include "Class/UI/Operating/ViewModel/OperatingViewModel.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/VibrationGenerator.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/TextLanguages.h"

#include "Internal/Model/IUserOperationModel.h"
#include "Internal/Model/IVehicleStateData.h"
#include "foundation/RunLoop.h"
#include "foundation/UserDefaults.h"

#include "R.h"

namespace tolvane::app {
namespace {

bool isForwardGroup(OperateDirection direction)
{
    return direction == OperateDirection::FORWARD_LEFT || direction == OperateDirection::FORWARD ||
           direction == OperateDirection::FORWARD_RIGHT;
}

void cancel(foundation::TimerRef& timer)
{
    if (timer)
        timer->invalidate();
    timer.reset();
}

} // namespace

OperatingViewModel::OperatingViewModel(BaseViewModelInjection injection, std::shared_ptr<IVehicleStateData> vehicleStateData,
                                       std::shared_ptr<IUserOperationModel>)
    : BaseViewModel(std::move(injection)), vehicleStateData(std::move(vehicleStateData))
{
}

OperatingViewModel::~OperatingViewModel()
{
    if (releaseShakeGeneratorTimer_)
        releaseShakeGeneratorTimer_->invalidate();
    if (showHintTimer_)
        showHintTimer_->invalidate();
}

std::shared_ptr<OperatingViewModel> OperatingViewModel::self()
{
    return std::static_pointer_cast<OperatingViewModel>(shared_from_this());
}

bool OperatingViewModel::presentsOwnPopup() const
{
    return presentedPopup_ == PopupKind::directionChangeConfirmation || presentedPopup_ == PopupKind::endHalfwayConfirmation ||
           presentedPopup_ == PopupKind::obstacle;
}

void OperatingViewModel::displayLockChanged(bool isLocked)
{
    if (isLocked)
        return;
    controlAction_.send(ControlAction::setActive{true});
    isLockingDisplay = false;
}

void OperatingViewModel::onSessionDidEndEncounter()
{
    // A relinked unit must never drive on a hold begun on the old link: the finger has to lift and press again.
    controlAction_.send(ControlAction::setActive{false});
}

void OperatingViewModel::resetBaseAction()
{
    controlAction_.send(ControlAction::willDisappear{});
}

void OperatingViewModel::clearCancellables()
{
    BaseViewModel::clearCancellables();
    vehicleReports_.removeAll();
}

void OperatingViewModel::displayWarnConfirmation(InAppWarningKind appWarningKind)
{
    BaseViewModel::displayWarnConfirmation(appWarningKind);
}

void OperatingViewModel::operatingWillAppear()
{
    loopChecker_.check(typeid(*this));
    baseAction.send(BaseAction::hideIndicator{});
    isLockingDisplay = false;
    controlAction_.send(ControlAction::setActive{true});
    if (presentsOwnPopup())
        action_.send(Action::dismissPresentedViewController{});
    presentedPopup_.reset();
    requestingThing.reset();
    controlAction_.send(ControlAction::setProgress{0, 0});
    action_.send(Action::initView{});

    std::weak_ptr<OperatingViewModel> weak = self();
    vehicleReports_.removeAll();
    vehicleReports_.insert(vehicleStateData->operateInfo().sink([weak](const OperateInfo& info) {
        if (auto self = weak.lock())
            self->handle(info);
    }));
    vehicleReports_.insert(vehicleStateData->obstacleInfo().sink([weak](const ObstacleInfo& info) {
        if (auto self = weak.lock())
            self->handle(info);
    }));

    const bool hintHidden = foundation::UserDefaults::standard()->boolean(rawValue(UserDefaultsKey::notShowPowerOffButtonHint));
    action_.send(Action::setStatePowerOffButtonHintView{hintHidden});
    if (TerminalStore::shared()->isInterrupted)
        baseAction.send(BaseAction::setIndicator{});
}

void OperatingViewModel::handle(const OperateInfo& operateInfo)
{
    if (isShowStopConfirmation)
        return;
    updateButtonStates(operateInfo);
    setProgressValue(operateInfo);
    action_.send(Action::applyDriveDirectionAndProgress{operateInfo.operateDirection, operateInfo.remainDistance * 0.1});
}

void OperatingViewModel::updateButtonStates(const OperateInfo& operateInfo)
{
    const bool fwd = isForwardGroup(operateInfo.operateDirection);
    // The vehicle has taken up the new direction.
    if (fwd != isForward_)
        baseAction.send(BaseAction::hideIndicator{});

    switch (operateInfo.operateDirectionSwitchReq) {
    case OperateReq::HIDDEN:
        action_.send(Action::setStateDirectionChangeBackwardButton{true, false});
        action_.send(Action::setStateDirectionChangeForwardButton{true, false});
        break;
    case OperateReq::DISABLE:
    case OperateReq::ENABLE: {
        // Only the button that turns the other way shows.
        const bool enabled = operateInfo.operateDirectionSwitchReq == OperateReq::ENABLE;
        action_.send(Action::setStateDirectionChangeBackwardButton{!fwd, enabled});
        action_.send(Action::setStateDirectionChangeForwardButton{fwd, enabled});
        break;
    }
    }

    switch (operateInfo.operateInterruptReq) {
    case OperateReq::HIDDEN:
        action_.send(Action::setStateInterruptView{true, true});
        break;
    case OperateReq::ENABLE:
        action_.send(Action::setStateInterruptView{false, true});
        break;
    case OperateReq::DISABLE: {
        // The vehicle has accepted the interruption.
        auto store = TerminalStore::shared();
        if (store->isInterrupted && !isWaitingResumeAfterOverride) {
            store->isInterrupted = false;
            baseAction.send(BaseAction::hideIndicator{});
        }
        action_.send(Action::setStateInterruptView{false, false});
        break;
    }
    }

    switch (operateInfo.operateFinishReq) {
    case OperateReq::HIDDEN:
        action_.send(Action::setStateEndHalfwayView{true, true});
        break;
    case OperateReq::DISABLE:
        action_.send(Action::setStateEndHalfwayView{false, false});
        break;
    case OperateReq::ENABLE:
        action_.send(Action::setStateEndHalfwayView{false, true});
        break;
    }
}

void OperatingViewModel::setProgressValue(const OperateInfo& operateInfo)
{
    const bool directionHidden = operateInfo.operateDirectionSwitchReq == OperateReq::HIDDEN;
    const bool endHidden = operateInfo.operateFinishReq == OperateReq::HIDDEN;
    // The first report counts as no change.
    const bool changed = isHiddenDirectionChangeButton_.value_or(directionHidden) != directionHidden ||
                         isHiddenEndHalfWayView_.value_or(endHidden) != endHidden;
    if (changed && presentsOwnPopup())
        action_.send(Action::dismissPresentedViewController{});
    isHiddenDirectionChangeButton_ = directionHidden;
    isHiddenEndHalfWayView_ = endHidden;

    const bool fwd = isForwardGroup(operateInfo.operateDirection);
    int64_t progress = 0;
    if (progressMaxValue_ != 0 && !changed && fwd == isForward_) {
        progress = std::max<int64_t>(progressMaxValue_ - operateInfo.remainDistance, 0);
    } else {
        progressMaxValue_ = operateInfo.remainDistance;
        LogManager::print("Reset denominator " + std::to_string(progressMaxValue_) + " .", LogLevel::information,
                          {.function = "setProgressValue(operateInfo:)"});
    }
    isForward_ = fwd;
    controlAction_.send(ControlAction::setProgress{static_cast<double>(progress), static_cast<double>(progressMaxValue_)});
}

void OperatingViewModel::handle(const ObstacleInfo& obstacleInfo)
{
    if (isShowStopConfirmation)
        return;
    clearSonerDetectionAction_.send(ClearSonerDetectionAction::setObstaclePositions{obstacleInfo.obstacles});
    clearSonerDetectionAction_.send(ClearSonerDetectionAction::setIsMovingObjects{!obstacleInfo.moves.empty()});
}

void OperatingViewModel::didRequestDirectionChange()
{
    requestingThing = RequestThing::directionChange;
    userOperationModel->notifyUserOperation(UserOperationKind::REQ_SWICTH_DIRECTION{});
    baseAction.send(BaseAction::setIndicator{});
}

void OperatingViewModel::didRequestInterrupt()
{
    controlAction_.send(ControlAction::setActive{false});
    TerminalStore::shared()->isInterrupted = true;
    baseAction.send(BaseAction::setIndicator{});
    userOperationModel->notifyUserOperation(UserOperationKind::REQ_INTERRUPT_OPERATE{});
}

void OperatingViewModel::didRequestEndHalfway()
{
    controlAction_.send(ControlAction::setActive{false});
    presentedPopup_ = PopupKind::endHalfwayConfirmation;
    showEndHalfwayConfirmation();
}

void OperatingViewModel::showEndHalfwayConfirmation()
{
    std::weak_ptr<OperatingViewModel> weak = self();
    const auto languages = textLanguages();
    auto yes = std::make_shared<CustomAlertAction>(R::string::localizable::Parking_EndHalfwayPopupYes(languages),
                                                   CustomAlertControllerAction::defaultAction, [weak](CustomAlertAction&) {
                                                       if (auto self = weak.lock())
                                                           self->confirmEndHalfway();
                                                   });
    auto no = std::make_shared<CustomAlertAction>(R::string::localizable::Parking_EndHalfwayPopupNo(languages),
                                                  CustomAlertControllerAction::cancel, [weak](CustomAlertAction&) {
                                                      if (auto self = weak.lock())
                                                          self->cancelEndHalfway();
                                                  });
    action_.send(Action::showEndHalfwayConfirmationPopup{std::move(yes), std::move(no)});
}

void OperatingViewModel::confirmEndHalfway()
{
    requestingThing = RequestThing::endHalfway;
    userOperationModel->notifyUserOperation(UserOperationKind::REQ_FINISH_OPERATE{});
    baseAction.send(BaseAction::setIndicator{});
}

void OperatingViewModel::cancelEndHalfway()
{
    operatingWillAppear();
}

void OperatingViewModel::startShowHintTimer()
{
    if (showHintTimer_)
        showHintTimer_->invalidate();
    std::weak_ptr<OperatingViewModel> weak = self();
    showHintTimer_ = foundation::RunLoop::main().scheduleTimer(durationToShowHint, false, [weak](foundation::Timer& timer) {
        auto self = weak.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        cancel(self->showHintTimer_);
        self->controlAction_.send(ControlAction::playHintAnimation{});
    });
}

void OperatingViewModel::startReleaseShakeGeneratorTimer()
{
    if (!vibrationGenerator_)
        vibrationGenerator_ = std::make_unique<VibrationGenerator>();
    vibrationGenerator_->vibrate();
    if (releaseShakeGeneratorTimer_)
        releaseShakeGeneratorTimer_->invalidate();
    std::weak_ptr<OperatingViewModel> weak = self();
    releaseShakeGeneratorTimer_ = foundation::RunLoop::main().scheduleTimer(releaseShakeGeneratorInterval, false, [weak](foundation::Timer&) {
        if (auto self = weak.lock()) {
            self->vibrationGenerator_.reset();
            cancel(self->releaseShakeGeneratorTimer_);
        }
    });
}

void OperatingViewModel::stopTimers()
{
    if (releaseShakeGeneratorTimer_)
        releaseShakeGeneratorTimer_->invalidate();
    if (showHintTimer_)
        showHintTimer_->invalidate();
}

void OperatingViewModel::dismissPresentedPopup()
{
    if (presentsOwnPopup())
        action_.send(Action::dismissPresentedViewController{});
}

void OperatingViewModel::willPresentViewController(bool isWarning)
{
    if (isWarning)
        presentedPopup_ = PopupKind::warning;
    controlAction_.send(ControlAction::setActive{false});
}

void OperatingViewModel::willDisappear()
{
    presentedPopup_.reset();
    isWaitingAfterWarnConfirmation = false;
    isShowStopConfirmation = false;
    baseAction.send(BaseAction::none{});
    action_.send(Action::none{});
    controlAction_.send(ControlAction::setActive{false});
}

} // namespace tolvane::app
