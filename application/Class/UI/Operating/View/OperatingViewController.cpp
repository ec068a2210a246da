#include "Class/UI/Operating/View/OperatingViewController.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Base/View/PopupTransition.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"
#include "Class/UI/Operating/View/OperatingScene.h"

#include "foundation/UserDefaults.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/LayoutConstraint.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"

#include "R.h"

namespace tolvane::app {
namespace {

bool isBackward(OperateDirection direction)
{
    return direction == OperateDirection::BACKWARD_LEFT || direction == OperateDirection::BACKWARD ||
           direction == OperateDirection::BACKWARD_RIGHT;
}

void setState(ui::Button& button, bool isEnable)
{
    // Hidden whatever the vehicle says: the bar's exit button interrupts, and the end half-way comes
    // from the interruption pop-up.
    button.setHidden(true);
    button.setEnabled(isEnable);
}

void hideHint(UserDefaultsKey key, ui::View& hint)
{
    foundation::UserDefaults::standard()->setBool(rawValue(key), true);
    hint.setHidden(true);
}

} // namespace

void OperatingViewController::loadView()
{
    ScreenViewController::loadView();
    OperatingScene::build(*this);
}

void OperatingViewController::viewDidLoad()
{
    ScreenViewController::viewDidLoad();
    for (const auto& hidden : std::initializer_list<std::shared_ptr<ui::View>>{outlets.interruptButtonHintView, outlets.powerOffButtonHintView,
                                                                               outlets.endHalfwayButtonHintView, outlets.interruptButton,
                                                                               outlets.endHalfwayButton})
        hidden->setHidden(true);
    if (auto* navigation = navigationController()) {
        auto& bar = navigation->navigationBar();
        viewModel->setNavigationBarSize(bar.superview() ? bar.superview()->convert(bar.frame(), nullptr) : bar.frame());
    } else {
        viewModel->setNavigationBarSize(std::nullopt);
    }
    std::weak_ptr<OperatingViewController> weak = std::static_pointer_cast<OperatingViewController>(shared_from_this());
    cancellables.insert(viewModel->action().sink([weak](const IOperatingViewModel::Action& action) {
        if (auto self = weak.lock())
            self->apply(action);
    }));
    outlets.controlArea->setHidden(false);
    outlets.titleLabel->setText(R::string::localizable::Parking_Title(textLanguages()));
}

void OperatingViewController::viewWillAppear(bool animated)
{
    ScreenViewController::viewWillAppear(animated);
    if (presentedViewController() && viewModel->presentedPopup() == IOperatingViewModel::PopupKind::warning)
        return;
    viewModel->operatingWillAppear();
}

void OperatingViewController::viewDidLayoutSubviews()
{
    ScreenViewController::viewDidLayoutSubviews();
    outlets.endHalfwayButton->setImage(R::image::controlling_end_halfway_blue(), ui::ControlState::normal);
    outlets.interruptButton->setImage(R::image::controlling_interrupt_blue(), ui::ControlState::normal);
    // The hold control lies at the window's origin whatever covers the top of the screen.
    const ui::Rect window = view().convertFrom(ui::Rect{{}, outlets.controlArea->bounds().size}, nullptr);
    outlets.controlArea->setFrame(window);
    placeDriveProgressView();
    viewModel->sendControlAction(IOperatingViewModel::ControlAction::didLayoutSubviews{});
}

void OperatingViewController::willMoveToParent(ui::ViewController* parent)
{
    if (presentsOwnPopup())
        apply(IOperatingViewModel::Action::dismissPresentedViewController{});
    ScreenViewController::willMoveToParent(parent);
}

void OperatingViewController::viewWillDisappear(bool animated)
{
    viewModel->dismissPresentedPopup();
    viewModel->willDisappear();
    ScreenViewController::viewWillDisappear(animated);
}

void OperatingViewController::present(std::shared_ptr<ui::ViewController> controller, bool animated, Completion completion)
{
    viewModel->willPresentViewController(std::dynamic_pointer_cast<InteruptCustomAlertController>(controller) != nullptr);
    ScreenViewController::present(std::move(controller), animated, std::move(completion));
}

void OperatingViewController::clearStackAlert()
{
    stackAlert.clear();
    viewModel->stopTimers();
}

void OperatingViewController::tapNavigationButtonSetting()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/title/caidananniu");
    baseViewModel->showSettings();
}

void OperatingViewController::tapNavigationButtonExit()
{
    TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/title/jieshuboche");
    LogManager::print("The exit button was tapped: interrupting the operation.", LogLevel::information,
                      {.function = "tapNavigationButtonExit(_:)"});
    viewModel->didRequestInterrupt();
}

void OperatingViewController::didTouchDirectionChange()
{
    viewModel->didRequestDirectionChange();
}

void OperatingViewController::didTouchInterrupt()
{
    viewModel->didRequestInterrupt();
}

void OperatingViewController::didTouchEndHalfway()
{
    viewModel->didRequestEndHalfway();
}

void OperatingViewController::didTouchPowerOffButtonHintClose()
{
    hideHint(UserDefaultsKey::notShowPowerOffButtonHint, *outlets.powerOffButtonHintView);
}

void OperatingViewController::didTouchInterruptButtonHintClose()
{
    hideHint(UserDefaultsKey::notShowInterruptButtonHint, *outlets.interruptButtonHintView);
}

void OperatingViewController::didTouchEndHalfwayButtonHintClose()
{
    hideHint(UserDefaultsKey::notShowEndHalfwayButtonHint, *outlets.endHalfwayButtonHintView);
}

void OperatingViewController::apply(const IOperatingViewModel::Action& action)
{
    using A = IOperatingViewModel::Action;
    std::visit(
        [this](const auto& value) {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, A::setStateDirectionChangeForwardButton>) {
                outlets.directionChangeForwardButton->setHidden(value.isHidden);
                outlets.directionChangeForwardButton->setEnabled(value.isEnable);
            } else if constexpr (std::is_same_v<T, A::setStateDirectionChangeBackwardButton>) {
                outlets.directionChangeBackwardButton->setHidden(value.isHidden);
                outlets.directionChangeBackwardButton->setEnabled(value.isEnable);
            } else if constexpr (std::is_same_v<T, A::setStateEndHalfwayView>) {
                setState(*outlets.endHalfwayButton, value.isEnable);
                outlets.endHalfwayButtonHintView->setHidden(true);
            } else if constexpr (std::is_same_v<T, A::setStateInterruptView>) {
                setState(*outlets.interruptButton, value.isEnable);
                outlets.interruptButtonHintView->setHidden(true);
            } else if constexpr (std::is_same_v<T, A::setStatePowerOffButtonHintView>) {
                outlets.powerOffButtonHintView->setHidden(true);
            } else if constexpr (std::is_same_v<T, A::showEndHalfwayConfirmationPopup>) {
                showEndHalfwayConfirmationPopup(value);
            } else if constexpr (std::is_same_v<T, A::applyDriveDirectionAndProgress>) {
                applyDriveDirection(value.direction);
            } else if constexpr (std::is_same_v<T, A::initView>) {
                setupNavigationBar();
            } else if constexpr (std::is_same_v<T, A::dismissPresentedViewController>) {
                if (presentedViewController())
                    dismiss(false);
            }
        },
        action.value);
}

void OperatingViewController::showEndHalfwayConfirmationPopup(const IOperatingViewModel::Action::showEndHalfwayConfirmationPopup& popup)
{
    auto alert = std::make_shared<CustomAlertController>(R::string::localizable::Parking_EndHalfwayPopupTitle(textLanguages()),
                                                         std::nullopt, CustomAlertControlerStyle::alert);
    alert->addAction(popup.noAction);
    alert->addAction(popup.yesAction);
    alert->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    alert->setTransitioningDelegate(popupTransition());
    present(alert, true);
}

void OperatingViewController::applyDriveDirection(OperateDirection direction)
{
    const bool backward = isBackward(direction);
    outlets.driveProgressViewAlignConstraintOnDriveForward->priority = backward ? ui::LayoutConstraint::defaultLow : ui::LayoutConstraint::defaultHigh;
    outlets.driveProgressViewAlignConstraintOnDriveBackward->priority = backward ? ui::LayoutConstraint::defaultHigh : ui::LayoutConstraint::defaultLow;
    outlets.frontBackLabel->setText(backward ? R::string::localizable::Parking_Direction_Back(textLanguages())
                                             : R::string::localizable::Parking_Direction_Front(textLanguages()));
    view().setNeedsLayout();
}

void OperatingViewController::placeDriveProgressView()
{
    const auto* placement = ui::LayoutConstraint::strongest(
        {outlets.driveProgressViewAlignConstraintOnDriveForward, outlets.driveProgressViewAlignConstraintOnDriveBackward});
    if (!placement)
        return;
    const ui::Rect frame = outlets.driveProgressView->frame();
    outlets.driveProgressView->setFrame({frame.minX(), placement->constant, frame.width(), frame.height()});
}

bool OperatingViewController::presentsOwnPopup() const
{
    const auto popup = viewModel->presentedPopup();
    using Kind = IOperatingViewModel::PopupKind;
    return popup == Kind::directionChangeConfirmation || popup == Kind::endHalfwayConfirmation || popup == Kind::obstacle;
}

} // namespace tolvane::app
