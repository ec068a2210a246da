#include "Class/UI/Base/View/TolvaneBaseViewController.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/SharedObject/Application.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/Base/View/HostDismissal.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/Base/View/NavigationTitleLabel.h"
#include "Class/UI/Base/View/TextLanguages.h"
#include "Class/UI/Base/View/PopupTransition.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"

#include "R.h"

#include "di/Container.h"
#include "foundation/NotificationCenter.h"
#include "foundation/Overloaded.h"
#include "foundation/RunLoop.h"
#include "ui/ActivityIndicatorView.h"
#include "ui/AssetCatalog.h"
#include "ui/AffineTransform.h"
#include "ui/BarButtonItem.h"
#include "ui/Font.h"
#include "ui/Label.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/View.h"

#include <algorithm>
#include <utility>

namespace tolvane::app {
namespace {

constexpr int STOP_CONFIRMATION = static_cast<int>(DisplayPriority::stopConfirmation);

void onMainLoopLater(std::function<void()> task)
{
    foundation::RunLoop::main().post(std::move(task));
}

} // namespace

TolvaneBaseViewController::TolvaneBaseViewController() : popupTransition_(std::make_shared<PopupTransition>()) {}

TolvaneBaseViewController::~TolvaneBaseViewController() = default;

// Life cycle

void TolvaneBaseViewController::viewDidLoad()
{
    ui::ViewController::viewDidLoad();
    // The notification centre lives as long as the process: holding the screen there would keep
    // every closed screen and its view model alive.
    std::weak_ptr<TolvaneBaseViewController> weak = std::static_pointer_cast<TolvaneBaseViewController>(shared_from_this());
    auto observation = std::make_shared<foundation::NotificationCenter::Observation>(
        foundation::NotificationCenter::defaultCenter().addObserver(Application::willTerminateNotification, [weak] {
            auto self = weak.lock();
            if (!self)
                return;
            myLog("App 生命周期", "所有页面基类接到杀死进程的通知");
            if (self->baseViewModel) {
                myLog("App 生命周期", "调用baseViewModel.exitAppCycle()");
                self->baseViewModel->exitAppCycle();
            }
        }));
    terminateObservation_ = rx::Cancellable([observation] { observation->reset(); });
}

void TolvaneBaseViewController::viewWillAppear(bool animated)
{
    ui::ViewController::viewWillAppear(animated);
    if (!hasAppeared_) {
        // Everything bound so far was bound as the view loaded: a cover must not end it.
        std::swap(loadBindings_, cancellables);
        hasAppeared_ = true;
    }
    std::weak_ptr<TolvaneBaseViewController> weak = std::static_pointer_cast<TolvaneBaseViewController>(shared_from_this());
    cancellables.insert(baseViewModel->baseActionPublisher().sink([weak](const BaseAction& action) {
        if (auto self = weak.lock())
            self->carryOut(action);
    }));
    setupNavigationBar();
    if (auto* navigation = navigationController()) {
        auto subviews = navigation->view().subviews();
        for (const auto& subview : subviews)
            if (std::dynamic_pointer_cast<ui::ActivityIndicatorView>(subview))
                subview->removeFromSuperview();
    }
    baseViewModel->addTransitToBlankObserver();
    hideIndicator();
    baseViewModel->willAppear();
}

void TolvaneBaseViewController::viewDidAppear(bool animated)
{
    ui::ViewController::viewDidAppear(animated);
    showAlert();
}

void TolvaneBaseViewController::viewWillDisappear(bool animated)
{
    ui::ViewController::viewWillDisappear(animated);
    if (auto* alert = presentedAlert())
        alert->dismiss(false);
    terminateObservation_.cancel();
    cancellables.removeAll();
    baseViewModel->clearCancellables();
    baseViewModel->resetBaseAction();
}

void TolvaneBaseViewController::present(std::shared_ptr<ui::ViewController> controller, bool animated, Completion completion)
{
    hideIndicator();
    ui::ViewController::present(std::move(controller), animated, std::move(completion));
}

void TolvaneBaseViewController::presentPopup(std::shared_ptr<ui::ViewController> popup)
{
    popup->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    popup->setTransitioningDelegate(popupTransition_);
    present(std::move(popup), true);
}

// Commands

void TolvaneBaseViewController::carryOut(const BaseAction& action)
{
    std::visit(foundation::Overloaded{
                   [this](const BaseAction::setNavigationBarHidden& command) {
                       if (auto* navigation = navigationController())
                           navigation->setNavigationBarHidden(command.isHidden, false);
                   },
                   [this](const BaseAction::addStack& command) { addStack(command.requiredDisplayId, command.causeId, command.alertActions); },
                   [this](const BaseAction::removeStack& command) { removeStack(command.displayPriority); },
                   [this](const BaseAction::removeOtherStack& command) { removeOtherStack(command.requiredDisplayId, command.causeId); },
                   [this](const BaseAction::removeAllStackAlert& command) { removeAllStackAlert(command.completion); },
                   [this](const BaseAction::showAlertByPriority& command) {
                       showAlertByPriority(command.requiredDisplayId, command.causeId, command.alertActions);
                   },
                   [this](const BaseAction::showAlertInApp& command) { showAlertInApp(command.appWarningKind, command.alertActions); },
                   [](const BaseAction::none&) {},
                   [this](const BaseAction::setNavigationBarLeftButton&) { setNavigationBarLeftButton(); },
                   [this](const BaseAction::setNavigationBarSettingButton&) { setNavigationBarSettingButton(); },
                   [this](const BaseAction::setNavigationBarExitButton&) { setNavigationBarExitButton(); },
                   [this](const BaseAction::hideIndicator&) { hideIndicator(); },
                   [this](const BaseAction::setIndicator&) { setIndicator(); },
                   [this](const BaseAction::setCurrentAlertDismissForWarn&) {
                       if (auto* alert = presentedAlert())
                           alert->viewModel->setDismissForWarn(true);
                   },
                   [this](const BaseAction::showConnectionFailureAlert&) { showConnectionFailureAlert(); },
                   [this](const BaseAction::terminateAllViewControllers&) { terminateAllViewControllers(); },
               },
               action.value);
}

// Navigation bar

void TolvaneBaseViewController::setupNavigationBar()
{
    auto* navigation = navigationController();
    if (!navigation)
        return;
    ui::NavigationBar& bar = navigation->navigationBar();
    ui::NavigationBarAppearance appearance;
    appearance.configureWithOpaqueBackground();
    appearance.backgroundColor = ui::AssetCatalog::shared().color("TolvaneSecondBg");
    appearance.titleFont = ui::Font::systemFont(18, ui::FontWeight::medium);
    bar.setStandardAppearance(appearance);
    bar.setScrollEdgeAppearance(bar.standardAppearance());
    bar.setBarTintColor(appearance.backgroundColor);
    navigationItem().setHidesBackButton(true);
    navigationItem().setTitleView(makeNavigationTitleLabel(R::string::localizable::Common_NavigationTitle(textLanguages())));
    navigationItem().setLeftBarButtonItems({});
    navigationItem().setRightBarButtonItems({});
    baseViewModel->setupNavigationBar();
}

void TolvaneBaseViewController::addBarButton(const char* imageName, std::function<void()> action, bool onTheRight)
{
    std::optional<ui::Image> image = ui::AssetCatalog::shared().image(imageName);
    if (image)
        image = image->withRenderingMode(ui::ImageRenderingMode::alwaysOriginal);
    auto item = std::make_shared<ui::BarButtonItem>(std::move(image), ui::BarButtonItemStyle::plain, std::move(action));
    if (!onTheRight) {
        navigationItem().setLeftBarButtonItems({item});
        return;
    }
    auto items = navigationItem().rightBarButtonItems();
    items.push_back(item);
    navigationItem().setRightBarButtonItems(std::move(items));
}

void TolvaneBaseViewController::setNavigationBarLeftButton()
{
    addBarButton("icon_leave", [this] { tapNavigationButtonLeave(); }, false);
}

void TolvaneBaseViewController::setNavigationBarSettingButton()
{
    addBarButton("Humberger_icon", [this] { tapNavigationButtonSetting(); }, true);
}

void TolvaneBaseViewController::setNavigationBarExitButton()
{
    addBarButton("powerButton", [this] { tapNavigationButtonExit(); }, true);
}

void TolvaneBaseViewController::tapNavigationButtonLeave()
{
    TerminalStore::shared()->shutdownTerminal([] {});
    leaveForHost();
}

void TolvaneBaseViewController::leaveForHost()
{
    std::weak_ptr<TolvaneBaseViewController> weak = std::static_pointer_cast<TolvaneBaseViewController>(shared_from_this());
    dismissHost([weak] {
        if (auto self = weak.lock())
            self->baseViewModel->exitAppCycle();
    });
}

void TolvaneBaseViewController::tapNavigationButtonSetting()
{
    baseViewModel->showSettings();
}

// Activity indicator

void TolvaneBaseViewController::setIndicator()
{
    ui::View& root = view();
    if (!indicator) {
        indicator = std::make_shared<ui::ActivityIndicatorView>(ui::ActivityIndicatorStyle::medium);
        indicator->setBackgroundColor(ui::Color{0.5, 0.5, 0.5, 0.5});
        indicator->setTransform(ui::AffineTransform::scale(3.0, 3.0));
        indicator->setFrame(root.frame());
        indicator->setCenter(root.center());
        indicator->setUserInteractionEnabled(true);
        indicator->setHidesWhenStopped(true);
        root.addSubview(indicator);
        root.bringSubviewToFront(indicator.get());
    }
    // Laid out on the view's frame; this puts it at the view's own origin.
    const ui::Point origin = root.frame().origin;
    const ui::Point center = indicator->center();
    indicator->setCenter({center.x - origin.x, center.y - origin.y});
    if (auto* superview = indicator->superview())
        superview->bringSubviewToFront(indicator.get());
    indicator->startAnimating();
}

void TolvaneBaseViewController::hideIndicator()
{
    if (!indicator)
        return;
    indicator->stopAnimating();
    indicator->removeFromSuperview();
    indicator.reset();
}

// The alert stack

std::shared_ptr<InteruptCustomAlertController> TolvaneBaseViewController::makeAlert()
{
    return di::Container::defaultContainer().resolve<InteruptCustomAlertController>();
}

std::shared_ptr<InteruptCustomAlertController> TolvaneBaseViewController::makeRequestAlert(RequiredDisplayId requiredDisplayId,
                                                                                         CauseId causeId, AlertActions alertActions)
{
    auto alert = makeAlert();
    if (!alert)
        return nullptr;
    alert->viewModel->setRequiredWarn(requiredDisplayId, causeId);
    alert->clearAction();
    for (auto& action : alertActions)
        alert->addAction(std::move(action));
    return alert;
}

std::shared_ptr<InteruptCustomAlertController> TolvaneBaseViewController::makeInAppAlert(InAppWarningKind appWarningKind,
                                                                                       AlertActions alertActions)
{
    auto alert = makeAlert();
    if (!alert)
        return nullptr;
    alert->setInAppWarn(appWarningKind);
    alert->clearAction();
    for (auto& action : alertActions)
        alert->addAction(std::move(action));
    return alert;
}

void TolvaneBaseViewController::addStack(RequiredDisplayId requiredDisplayId, CauseId causeId, AlertActions alertActions)
{
    if (auto alert = makeRequestAlert(requiredDisplayId, causeId, std::move(alertActions)))
        pushAlert(std::move(alert));
}

void TolvaneBaseViewController::showAlertByPriority(RequiredDisplayId requiredDisplayId, CauseId causeId, AlertActions alertActions)
{
    auto alert = makeRequestAlert(requiredDisplayId, causeId, std::move(alertActions));
    if (!alert)
        return;
    pushAlert(std::move(alert));
    showAlert();
}

void TolvaneBaseViewController::showAlertInApp(InAppWarningKind appWarningKind, AlertActions alertActions)
{
    auto alert = makeInAppAlert(appWarningKind, std::move(alertActions));
    if (!alert)
        return;
    pushAlert(std::move(alert));
    showAlert();
}

void TolvaneBaseViewController::pushAlert(std::shared_ptr<InteruptCustomAlertController> alert)
{
    const IInteruptCustomAlertViewModel& incoming = *alert->viewModel;
    const int priority = incoming.dispPriority();
    for (auto it = stackAlert.begin(); it != stackAlert.end(); ++it) {
        const IInteruptCustomAlertViewModel& entry = *(*it)->viewModel;
        if (entry.dispPriority() != priority || entry.isSameAlert(incoming))
            continue;
        // Among the stop confirmations the one in place may stand.
        if (priority == STOP_CONFIRMATION && incoming.isOutranked(entry))
            return;
        stackAlert.erase(it);
        stackAlert.push_back(std::move(alert));
        return;
    }
    const bool samePriorityStacked = std::any_of(stackAlert.begin(), stackAlert.end(), [priority](const auto& entry) {
        return entry->viewModel->dispPriority() == priority;
    });
    if (!samePriorityStacked)
        stackAlert.push_back(std::move(alert));
}

void TolvaneBaseViewController::showAlert()
{
    if (!baseViewModel->showsStackedAlerts() || stackAlert.empty())
        return;
    std::shared_ptr<InteruptCustomAlertController> best = stackAlert.front();
    for (const auto& entry : stackAlert)
        if (best->viewModel->isOutranked(*entry->viewModel))
            best = entry;
    if (baseViewModel->isBackground()) {
        LogManager::print("Skip showing any alerts. application is background.", LogLevel::information, {.function = "showAlert()"});
        return;
    }
    ui::ViewController* presented = presentedViewController();
    if (auto* shownAlert = dynamic_cast<InteruptCustomAlertController*>(presented)) {
        if (!shownAlert->viewModel->isOutranked(*best->viewModel) || shownAlert->viewModel->isSameAlert(*best->viewModel) ||
            shownAlert->willWorkAsynchronously)
            return;
        dismissForBetterAlert(*shownAlert);
        return;
    }
    if (auto* shown = dynamic_cast<CustomAlertController*>(presented)) {
        // A plain custom alert always gives way to a stacked one.
        if (!shown->willWorkAsynchronously)
            dismissForBetterAlert(*shown);
        return;
    }
    if (baseViewModel->isWaitingAfterResume()) {
        // While a resume is awaited only what would beat a cancel confirmation is shown.
        auto probe = makeAlert();
        if (!probe)
            return;
        probe->setInAppWarn(InAppWarningKind::cancelConfrim);
        if (!probe->viewModel->isOutranked(*best->viewModel))
            return;
    }
    if (best->willWorkAsynchronously)
        return;
    baseViewModel->updateShowStopConfirmation(best->viewModel->dispPriority() == STOP_CONFIRMATION);
    best->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    best->setTransitioningDelegate(popupTransition_);
    best->willWorkAsynchronously = true;
    std::weak_ptr<TolvaneBaseViewController> weak = std::static_pointer_cast<TolvaneBaseViewController>(shared_from_this());
    onMainLoopLater([weak, best] {
        best->willWorkAsynchronously = false;
        auto self = weak.lock();
        if (!self)
            return;
        // Another alert queued in the same turn got on screen first: choose again between the two.
        if (self->presentedViewController()) {
            self->showAlert();
            return;
        }
        self->present(best, true);
    });
}

void TolvaneBaseViewController::dismissForBetterAlert(CustomAlertController& shown)
{
    shown.willWorkAsynchronously = true;
    auto alert = std::static_pointer_cast<CustomAlertController>(shown.shared_from_this());
    std::weak_ptr<TolvaneBaseViewController> weak = std::static_pointer_cast<TolvaneBaseViewController>(shared_from_this());
    onMainLoopLater([weak, alert] {
        alert->dismiss(false, [weak, alert] {
            alert->willWorkAsynchronously = false;
            if (auto self = weak.lock())
                self->showAlert();
        });
    });
}

InteruptCustomAlertController* TolvaneBaseViewController::presentedAlert() const
{
    return dynamic_cast<InteruptCustomAlertController*>(presentedViewController());
}

void TolvaneBaseViewController::reevaluateAlerts()
{
    auto* shown = presentedAlert();
    if (!shown) {
        showAlert();
        return;
    }
    auto alert = std::static_pointer_cast<InteruptCustomAlertController>(shown->shared_from_this());
    std::weak_ptr<TolvaneBaseViewController> weak = std::static_pointer_cast<TolvaneBaseViewController>(shared_from_this());
    onMainLoopLater([weak, alert] {
        alert->dismiss(false, [weak] {
            if (auto self = weak.lock())
                self->showAlert();
        });
    });
}

void TolvaneBaseViewController::removeStack(DisplayPriority displayPriority)
{
    auto it = std::find_if(stackAlert.begin(), stackAlert.end(), [displayPriority](const auto& entry) {
        return entry->viewModel->dispPriority() == static_cast<int>(displayPriority);
    });
    if (it == stackAlert.end())
        return;
    stackAlert.erase(it);
    reevaluateAlerts();
}

void TolvaneBaseViewController::removeOtherStack(RequiredDisplayId requiredDisplayId, CauseId causeId)
{
    std::erase_if(stackAlert, [requiredDisplayId, causeId](const auto& entry) {
        const auto reqDisplayId = entry->viewModel->reqDisplayId();
        const auto cause = entry->viewModel->causeId();
        return (reqDisplayId && *reqDisplayId != requiredDisplayId) || (cause && *cause != causeId);
    });
    reevaluateAlerts();
}

void TolvaneBaseViewController::removeAllStackAlert(std::function<void()> completion)
{
    stackAlert.clear();
    auto* shown = presentedAlert();
    if (!shown) {
        if (completion)
            completion();
        return;
    }
    auto alert = std::static_pointer_cast<InteruptCustomAlertController>(shown->shared_from_this());
    onMainLoopLater([alert, completion] { alert->dismiss(false, completion); });
}

void TolvaneBaseViewController::clearStackAlert()
{
    stackAlert.clear();
}

// Other alerts and tearing down

void TolvaneBaseViewController::showConnectionFailureAlert()
{
    auto alert = std::make_shared<CustomAlertController>(R::string::localizable::ConnectingForRegistration_ConnectingConfirm_255_1st(textLanguages()),
                                                         R::string::localizable::ConnectingForRegistration_ConnectingConfirm_255_2nd(textLanguages()),
                                                         CustomAlertControlerStyle::alert);
    alert->addAction(std::make_shared<CustomAlertAction>(R::string::localizable::ConnectingForRegistration_255_BackButton(textLanguages()),
                                                         CustomAlertControllerAction::defaultAction, [this](CustomAlertAction&) {
                                                             TolvaneIntegrationAppHelper::sendStatisticsEvent(
                                                                 "tirmalunesko/wufalianjiecheliang/queding");
                                                             if (auto* navigation = navigationController())
                                                                 navigation->popViewController(true);
                                                         }));
    presentPopup(alert);
}

void TolvaneBaseViewController::presentAlert(const std::string& title, const AlertActions& actions)
{
    auto alert = std::make_shared<CustomAlertController>(std::nullopt, std::nullopt, CustomAlertControlerStyle::alert);
    alert->setTitle(title);
    for (const auto& action : actions)
        alert->addAction(action);
    presentPopup(std::move(alert));
}

void TolvaneBaseViewController::terminateAllViewControllers()
{
    auto* navigation = navigationController();
    if (!navigation || navigation->viewControllers().empty()) {
        LogManager::print("RootViewControllerを取得できません", LogLevel::information, {.function = "terminateAllViewControllers()"});
        return;
    }
    auto root = navigation->viewControllers().front();
    dismissAndPopToRoot(*root);
    auto* rootNavigation = root->navigationController();
    if (!rootNavigation)
        return;
    baseViewModel->popToRootViewController(*rootNavigation);
    navigation->dismiss(false);
    Application::suspend();
}

void TolvaneBaseViewController::dismissAndPopToRoot(ui::ViewController& viewController)
{
    if (ui::ViewController* presented = viewController.presentedViewController()) {
        if (auto* presentedStack = dynamic_cast<ui::NavigationController*>(presented))
            dismissAndPopToRoot(*presentedStack);
        // Through the presenter: the presented stack's own dismissal is still under way.
        viewController.dismiss(false);
    }
    if (auto* navigation = viewController.navigationController()) {
        clearStackAlerts(*navigation);
        navigation->popToRootViewController(false);
    }
}

void TolvaneBaseViewController::clearStackAlerts(ui::NavigationController& navigationController)
{
    const auto& stack = navigationController.viewControllers();
    for (auto it = stack.rbegin(); it != stack.rend(); ++it)
        if (auto* screen = dynamic_cast<TolvaneBaseViewController*>(it->get()))
            screen->clearStackAlert();
}

} // namespace tolvane::app
