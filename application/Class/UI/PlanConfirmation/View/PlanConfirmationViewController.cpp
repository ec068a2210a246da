#include "Class/UI/PlanConfirmation/View/PlanConfirmationViewController.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewParallel.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewVertical.h"
#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleView.h"
#include "Class/UI/PlanConfirmation/View/PlanConfirmationScene.h"

#include "R.h"

#include "foundation/FatalError.h"
#include "ui/Button.h"
#include "ui/ImageView.h"

namespace tolvane::app {
namespace {

// Fixed, not translated.
constexpr const char* OBSTACLE_ALERT_BUTTON = "确定";

} // namespace

void PlanConfirmationViewController::loadView()
{
    PlanConfirmationScene::build(*this);
}

void PlanConfirmationViewController::viewDidLoad()
{
    TolvaneBaseViewController::viewDidLoad();
    if (!viewModel)
        foundation::fatalError("PlanConfirmationViewController has no view model");
    decideButton->setTitle(R::string::localizable::Parking_PlanDecision(textLanguages()), decideButton->state());
    std::weak_ptr<PlanConfirmationViewController> weak = std::static_pointer_cast<PlanConfirmationViewController>(shared_from_this());
    cancellables.insert(viewModel->action().publisher().sink([weak](const PlanConfirmationAction& action) {
        if (auto self = weak.lock())
            self->apply(action);
    }));
    for (PlanPreviewPlayer* preview : std::initializer_list<PlanPreviewPlayer*>{outPlanViewParallel.get(), outPlanViewVertical.get(),
                                                                                inPlanView.get(), frontBackPlanView.get()})
        preview->viewModel = viewModel;
    cancellables.insert(viewModel->isSelectedDestination().sink([weak](bool isEnabled) {
        if (auto self = weak.lock())
            self->updateDecideButton(isEnabled);
    }));
    if (!inPlanView->isHidden())
        resetInPlanView();
    setOutPreviewsHidden(true);
    frontBackPlanView->setPreviewHidden(true);
}

void PlanConfirmationViewController::viewWillAppear(bool animated)
{
    TolvaneBaseViewController::viewWillAppear(animated);
    // An interruption alert that was up when the screen left keeps the previews frozen.
    if (presentedViewController() || viewModel->presentedPopupKind() != PopupKind::warning)
        viewModel->unlockDisplay();
    inPlanView->subscribePlan();
    outPlanViewParallel->subscribePlan();
    outPlanViewVertical->subscribePlan();
    frontBackPlanView->subscribePlan();
}

void PlanConfirmationViewController::viewWillDisappear(bool animated)
{
    dismissDismissablePopup();
    TolvaneBaseViewController::viewWillDisappear(animated);
    inPlanView->cancellables.removeAll();
    outPlanViewParallel->cancellables.removeAll();
    outPlanViewVertical->cancellables.removeAll();
    frontBackPlanView->cancellables.removeAll();
}

void PlanConfirmationViewController::willMoveToParent(ui::ViewController* parent)
{
    dismissDismissablePopup();
    TolvaneBaseViewController::willMoveToParent(parent);
}

void PlanConfirmationViewController::dismissDismissablePopup()
{
    if (const auto& kind = viewModel->presentedPopupKind(); kind && isDismissable(*kind))
        viewModel->action().send(PlanConfirmationAction::dismissPresentedViewController{});
}

void PlanConfirmationViewController::present(std::shared_ptr<ui::ViewController> controller, bool animated, Completion completion)
{
    if (std::dynamic_pointer_cast<InteruptCustomAlertController>(controller))
        viewModel->presentedPopupKind() = PopupKind::warning;
    if (!viewModel->isLockingDisplay()) {
        viewModel->action().send(PlanConfirmationAction::stopPreview{});
        viewModel->isLockingDisplay() = true;
    }
    TolvaneBaseViewController::present(std::move(controller), animated, std::move(completion));
}

void PlanConfirmationViewController::apply(const PlanConfirmationAction& action)
{
    using A = PlanConfirmationAction;
    if (action.is<A::playPreview>())
        setPreviewAnimationHidden(false);
    else if (action.is<A::stopPreview>())
        setPreviewAnimationHidden(true);
    else if (action.is<A::dismissPresentedViewController>()) {
        if (auto* presented = presentedViewController())
            presented->dismiss(false);
    } else if (action.is<A::applyParkInPlanView>())
        applyParkInPlanView();
    else if (action.is<A::applyParkOutPlanView>())
        applyParkOutPlanView();
    else if (action.is<A::applyForwardBackwardPlanView>())
        applyForwardBackwardPlanView();
    else if (action.is<A::showObstacleAlert>())
        showObstacleAlert();
}

void PlanConfirmationViewController::setPreviewAnimationHidden(bool hidden)
{
    inPlanView->animLayer->setHidden(hidden);
    outPlanViewParallel->animLayer->setHidden(hidden);
    outPlanViewVertical->animLayer->setHidden(hidden);
    frontBackPlanView->animLayer->setHidden(hidden);
}

void PlanConfirmationViewController::applyParkInPlanView()
{
    if (inPlanView->isHidden()) {
        inPlanView->setHidden(false);
        clearInPlanView();
    }
    setOutPreviewsHidden(true);
    frontBackPlanView->setPreviewHidden(true);
    planTitleView->setPlan(RequiredDisplayId::SEL_PARK_IN);
}

void PlanConfirmationViewController::applyParkOutPlanView()
{
    // The park-out preview of the right movement shows itself with the next record.
    setOutPreviewsHidden(true);
    if (!inPlanView->isHidden())
        resetInPlanView();
    frontBackPlanView->setPreviewHidden(true);
    planTitleView->setPlan(RequiredDisplayId::SEL_PARK_OUT);
}

void PlanConfirmationViewController::applyForwardBackwardPlanView()
{
    frontBackPlanView->setPreviewHidden(false);
    if (!inPlanView->isHidden())
        resetInPlanView();
    setOutPreviewsHidden(true);
    planTitleView->setPlan(RequiredDisplayId::SEL_FORWARD_BACKWARD);
}

void PlanConfirmationViewController::resetInPlanView()
{
    inPlanView->setHidden(true);
    clearInPlanView();
}

void PlanConfirmationViewController::clearInPlanView()
{
    const bool hadPlan = inPlanView->lastPlan.has_value();
    inPlanView->lastPlan.reset();
    if (hadPlan)
        inPlanView->updateAnimation();
    inPlanView->lastRecommended.reset();
    inPlanView->setCurrentSelect(std::nullopt);
}

void PlanConfirmationViewController::setOutPreviewsHidden(bool hidden)
{
    outPlanViewParallel->setPreviewHidden(hidden);
    outPlanViewVertical->setPreviewHidden(hidden);
}

void PlanConfirmationViewController::updateDecideButton(bool isEnabled)
{
    decideButton->setEnabled(isEnabled);
    decideButton->setAlpha(isEnabled ? 1.0 : 0.3);
}

void PlanConfirmationViewController::onTapDecideButton()
{
    if (planTitleView->plan() == RequiredDisplayId::SEL_PARK_IN)
        TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/querenborufangxiang/queding");
    else if (planTitleView->plan() == RequiredDisplayId::SEL_PARK_OUT)
        TolvaneIntegrationAppHelper::sendStatisticsEvent("tirmalunesko/xuanzebochufangxiang/queding");
    decideButton->setEnabled(false);
    viewModel->decide();
}

void PlanConfirmationViewController::onTapStopButton()
{
    viewModel->presentedPopupKind() = PopupKind::stopConfirmation;
    baseViewModel->displayWarnConfirmation(InAppWarningKind::cancelConfrim);
}

void PlanConfirmationViewController::tapNavigationButtonExit()
{
    baseViewModel->displayWarnConfirmation(InAppWarningKind::cancelConfrim);
}

void PlanConfirmationViewController::tapNavigationButtonLeave()
{
    leaveForHost();
}

void PlanConfirmationViewController::showObstacleAlert()
{
    auto alert = std::make_shared<CustomAlertController>(R::string::localizable::Parking_ObstaclePopupMessage(textLanguages()), std::nullopt,
                                                         CustomAlertControlerStyle::alertUpDown);
    alert->addAction(std::make_shared<CustomAlertAction>(OBSTACLE_ALERT_BUTTON,
                                                         CustomAlertControllerAction::defaultAction, [](CustomAlertAction&) {
                                                             TolvaneIntegrationAppHelper::sendStatisticsEvent(
                                                                 "tirmalunesko/jiancedaozhangaiwu/alert/tuichu");
                                                         }));
    presentPopup(alert);
}

} // namespace tolvane::app
