#include "Class/Model/TransitionManager.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/View/TolvaneBaseViewController.h"
#include "Class/UI/Base/View/WindowPushTransition.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Warn/View/WarnViewController.h"

#include "R.h"

#include "Internal/Model/CaseName.h"
#include "Internal/Model/IDisplayModel.h"
#include "foundation/RunLoop.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

#include <algorithm>
#include <array>

namespace tolvane::app {
namespace {

constexpr std::string_view TAG = "页面迁移";

constexpr std::array<std::string_view, 23> displayTypeNames{
    "none",          "firstRegistration", "connectionConfirmation", "settings",
    "warn",          "IGOnWarn",          "activation",             "parkOutCompleted",
    "parkInCompleted", "connectionCompletionForRegistration",       "arrival",
    "planConfirmation", "operating",      "requestIdWaiting",       "blank",
    "firstTutorialFlow", "registrationDevices", "connectingForRetistration", "registration",
    "connecting",    "disclaimer",        "geofence",               "touchPreConfirmation",
};

template <class Controller>
std::function<void(ui::ViewController&)> configureAs(std::function<void(Controller&)> configure)
{
    return [configure = std::move(configure)](ui::ViewController& controller) {
        if (auto* screen = dynamic_cast<Controller*>(&controller))
            configure(*screen);
    };
}

} // namespace

std::string_view caseName(DisplayType display)
{
    const auto index = static_cast<size_t>(display);
    return index < displayTypeNames.size() ? displayTypeNames[index] : "unknown";
}

TransitionManager::TransitionManager(std::shared_ptr<IDisplayModel> displayModel) : displayModel_(std::move(displayModel)) {}

// The steps every show operation shares.

void TransitionManager::show(Route route)
{
    loopChecker_.check(typeid(*this));
    if (route.report == Report::beforeGuard && route.displayId)
        report(*route.displayId);
    if (refuses(route))
        return;
    log(route.function, route.logText);
    if (!TolvaneIntegrationAppHelper::shared().navigationController) {
        LogManager::print("No navigation stack to show the screen on: " + std::string(route.storyboard.name), LogLevel::warning,
                          {.function = route.function});
        return;
    }
    std::shared_ptr<ui::ViewController> controller = route.storyboard.instantiateInitialViewController();
    if (!controller)
        return;
    if (route.configure)
        route.configure(*controller);
    switch (route.deferred) {
    case Deferred::nothing:
        commit(route);
        place(route, controller);
        break;
    case Deferred::placement:
        commit(route);
        foundation::RunLoop::main().post([this, route, controller] { place(route, controller); });
        break;
    case Deferred::changeAndPlacement:
        foundation::RunLoop::main().post([this, route, controller] {
            commit(route);
            place(route, controller);
        });
        break;
    }
}

bool TransitionManager::refuses(const Route& route)
{
    if (std::find(route.guards.begin(), route.guards.end(), currentDisplay_) == route.guards.end())
        return false;
    const std::string shown(caseName(currentDisplay_));
    if (route.refusal == Refusal::alreadyShown)
        log(route.function, "当前已显示" + shown + "，返回");
    else if (route.refusal == Refusal::activation)
        log(route.function, "要迁移到activation，但当前显示的是 " + shown + " 因此返回");
    if (route.onRefusal)
        route.onRefusal();
    if (route.report == Report::alsoWhenRefused && route.displayId)
        report(*route.displayId);
    return true;
}

void TransitionManager::commit(const Route& route)
{
    currentDisplay_ = route.display;
    // The settings menu's own screens keep the display of the screen under the menu.
    if (route.displayId && route.display != DisplayType::settings)
        dialogBeforeDspConst_ = *route.displayId;
    if (route.report != Report::beforeGuard && route.displayId)
        report(*route.displayId);
}

void TransitionManager::place(const Route& route, std::shared_ptr<ui::ViewController> controller)
{
    const auto root = TolvaneIntegrationAppHelper::shared().navigationController;
    if (!root)
        return;
    ui::NavigationController& top = getTopNavigationController(*root);
    if (route.popFirst)
        top.popToRootViewController(false);
    if (route.slidesWindowIn)
        if (ui::Window* window = top.view().window())
            addPushTransition(*window, PushSubtype::fromRight);
    if (route.placement == Placement::push) {
        top.pushViewController(std::move(controller), route.animated);
        return;
    }
    auto stack = std::make_shared<BaseUINavigationController>(std::move(controller));
    stack->setModalPresentationStyle(ui::ModalPresentationStyle::fullScreen);
    top.present(stack, route.animated);
}

void TransitionManager::log(std::string_view function, const std::string& text) const
{
    myLog(TAG, text, false, function);
}

void TransitionManager::report(RequiredDisplayId displayId)
{
    displayModel_->notifyTransitionDisplay(displayId);
}

// The show operations.

void TransitionManager::showFirstRegistration()
{
    show({.function = "showFirstRegistration()", .logText = "迁移到了firstRegistration", .storyboard = R::storyboard::firstRegistration,
          .guards = {DisplayType::firstRegistration}, .display = DisplayType::firstRegistration,
          .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showConnectionConfirmation()
{
    show({.function = "showConnectionConfirmation()", .logText = "迁移到了connectionConfirmation",
          .storyboard = R::storyboard::connectionConfirmation, .guards = {DisplayType::connectionConfirmation},
          .display = DisplayType::connectionConfirmation, .displayId = RequiredDisplayId::DEF});
}

void TransitionManager::showWarn(CauseId cause)
{
    show({.function = "showWarn(cause:)", .logText = "迁移到了warn，CauseId => " + caseName(cause), .storyboard = R::storyboard::warn,
          .display = DisplayType::warn, .displayId = RequiredDisplayId::STOP,
          .configure = configureAs<WarnViewController>([cause](WarnViewController& warn) { warn.causeId = cause; })});
}

void TransitionManager::showWarn(InAppWarningKind warnKind)
{
    show({.function = "showWarn(warnKind:)", .logText = "迁移到了warn，InAppWarningKind => " + std::string(caseName(warnKind)),
          .storyboard = R::storyboard::warn, .display = DisplayType::warn, .displayId = RequiredDisplayId::STOP,
          .configure = configureAs<WarnViewController>([warnKind](WarnViewController& warn) { warn.inAppWarningKind = warnKind; })});
}

void TransitionManager::showIGONWarn(CauseId cause)
{
    show({.function = "showIGONWarn(cause:)", .logText = "迁移到了igonWarn，CauseId => " + caseName(cause),
          .storyboard = R::storyboard::igonWarn, .display = DisplayType::IGOnWarn, .displayId = RequiredDisplayId::STOP,
          .deferred = Deferred::placement,
          .configure = configureAs<IGONWarnViewController>([cause](IGONWarnViewController& warn) { warn.causeId = cause; })});
}

void TransitionManager::showParkInActivation()
{
    show({.function = "showParkInActivation()", .logText = "迁移到了activation", .storyboard = R::storyboard::activation,
          .guards = {DisplayType::activation}, .refusal = Refusal::activation, .display = DisplayType::activation,
          .displayId = RequiredDisplayId::START_PARK_IN});
}

void TransitionManager::showParkOutActivation()
{
    show({.function = "showParkOutActivation()", .logText = "迁移到了activation", .storyboard = R::storyboard::activation,
          .guards = {DisplayType::activation}, .refusal = Refusal::activation, .display = DisplayType::activation,
          .displayId = RequiredDisplayId::START_PARK_OUT});
}

void TransitionManager::showParkOutCompleted()
{
    show({.function = "showParkOutCompleted()", .logText = "迁移到了parkOutCompleted", .storyboard = R::storyboard::parkOutCompleted,
          .display = DisplayType::parkOutCompleted, .displayId = RequiredDisplayId::COMPLETE_PARK_OUT});
}

void TransitionManager::showParkInCompleted()
{
    show({.function = "showParkInCompleted()", .logText = "迁移到了parkInCompleted", .storyboard = R::storyboard::parkInCompleted,
          .guards = {DisplayType::parkInCompleted}, .display = DisplayType::parkInCompleted,
          .displayId = RequiredDisplayId::COMPLETE_PARK_IN, .report = Report::beforeGuard});
}

void TransitionManager::showParkInCompletedForgetHazard()
{
    show({.function = "showParkInCompletedForgetHazard()", .logText = "迁移到了parkInCompleted", .storyboard = R::storyboard::parkInCompleted,
          .guards = {DisplayType::parkInCompleted}, .display = DisplayType::parkInCompleted,
          .displayId = RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD, .report = Report::beforeGuard});
}

void TransitionManager::showConnectionCompletionForRegistration()
{
    show({.function = "showConnectionCompletionForRegistration()", .logText = "迁移到了connectionCompletionForRegistration",
          .storyboard = R::storyboard::connectionCompletionForRegistration, .display = DisplayType::connectionCompletionForRegistration,
          .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showArrival()
{
    show({.function = "showArrival()", .logText = "迁移到了arrival", .storyboard = R::storyboard::arrival, .display = DisplayType::arrival,
          .displayId = RequiredDisplayId::REACH_POINT});
}

void TransitionManager::showOperating()
{
    show({.function = "showOperating()", .logText = "迁移到了operating", .storyboard = R::storyboard::operating,
          .guards = {DisplayType::operating}, .refusal = Refusal::alreadyShown, .display = DisplayType::operating,
          .displayId = RequiredDisplayId::OPERATE, .report = Report::beforeGuard, .popFirst = true});
}

void TransitionManager::showPlanParkIn()
{
    show({.function = "showPlanParkIn()", .logText = "迁移到了planConfirmation", .storyboard = R::storyboard::planConfirmation,
          .guards = {DisplayType::planConfirmation}, .refusal = Refusal::alreadyShown, .display = DisplayType::planConfirmation,
          .displayId = RequiredDisplayId::SEL_PARK_IN, .report = Report::alsoWhenRefused, .popFirst = true});
}

void TransitionManager::showPlanParkOut()
{
    show({.function = "showPlanParkOut()", .logText = "迁移到了planConfirmation", .storyboard = R::storyboard::planConfirmation,
          .guards = {DisplayType::planConfirmation}, .refusal = Refusal::alreadyShown, .display = DisplayType::planConfirmation,
          .displayId = RequiredDisplayId::SEL_PARK_OUT, .report = Report::alsoWhenRefused, .popFirst = true});
}

void TransitionManager::showPlanForwardBackward()
{
    show({.function = "showPlanForwardBackward()", .logText = "迁移到了planConfirmation", .storyboard = R::storyboard::planConfirmation,
          .guards = {DisplayType::planConfirmation}, .refusal = Refusal::alreadyShown, .display = DisplayType::planConfirmation,
          .displayId = RequiredDisplayId::SEL_FORWARD_BACKWARD, .report = Report::alsoWhenRefused, .popFirst = true});
}

void TransitionManager::showRequestIDWaiting()
{
    show({.function = "showRequestIDWaiting()", .logText = "迁移到了requestIdWaiting", .storyboard = R::storyboard::requestIdWaiting,
          .guards = {DisplayType::requestIdWaiting, DisplayType::settings}, .refusal = Refusal::alreadyShown,
          .display = DisplayType::requestIdWaiting, .displayId = RequiredDisplayId::SENSING,
          .onRefusal = [] { TerminalStore::shared()->isBackground = false; }});
}

void TransitionManager::showBlank()
{
    show({.function = "showBlank()", .logText = "迁移到了blank", .storyboard = R::storyboard::blank,
          .guards = {DisplayType::blank, DisplayType::settings}, .refusal = Refusal::alreadyShown, .display = DisplayType::blank,
          .popFirst = true});
}

void TransitionManager::showFirstTutorialFlow()
{
    show({.function = "showFirstTutorialFlow()", .logText = "迁移到了firstTutorialFlow", .storyboard = R::storyboard::firstTutorialFlow,
          .display = DisplayType::firstTutorialFlow, .displayId = RequiredDisplayId::DEF, .popFirst = true,
          .deferred = Deferred::changeAndPlacement});
}

void TransitionManager::showFirstTutorialFlowFromSetting()
{
    show({.function = "showFirstTutorialFlowFromSetting()", .logText = "迁移到了firstTutorialFlow",
          .storyboard = R::storyboard::firstTutorialFlow, .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF,
          .animated = true,
          .configure = configureAs<FirstTutorialFlowViewController>(
              [](FirstTutorialFlowViewController& tutorial) { tutorial.isFromSetting = true; })});
}

void TransitionManager::showRegistrationDevices()
{
    show({.function = "showRegistrationDevices()", .logText = "迁移到了registrationDevices", .storyboard = R::storyboard::registrationDevices,
          .display = DisplayType::registrationDevices, .displayId = RequiredDisplayId::DEF, .placement = Placement::modal,
          .animated = true});
}

void TransitionManager::showConnectingForRegistration()
{
    show({.function = "showConnectingForRegistration()", .logText = "迁移到了connectingForRegistration",
          .storyboard = R::storyboard::connectingForRegistration, .display = DisplayType::connectingForRetistration,
          .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showRegistration()
{
    show({.function = "showRegistration()", .logText = "迁移到了registration", .storyboard = R::storyboard::registration,
          .display = DisplayType::registration, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showDisclaimer()
{
    // A disclaimer already in the stack is dropped with everything above it, for a fresh one.
    if (const auto root = TolvaneIntegrationAppHelper::shared().navigationController) {
        for (const auto& controller : getTopNavigationController(*root).viewControllers()) {
            if (dynamic_cast<DisclaimerViewController*>(controller.get())) {
                log("showDisclaimer()", "当前已显示DisclaimerViewController，退回到根控制器");
                popToRootViewController();
                break;
            }
        }
    }
    show({.function = "showDisclaimer()", .logText = "迁移到了disclaimer", .storyboard = R::storyboard::disclaimer,
          .display = DisplayType::disclaimer, .displayId = RequiredDisplayId::DEF});
}

void TransitionManager::showTouchPreConfirmation()
{
    show({.function = "showTouchPreConfirmation()", .logText = "迁移到了touchPreConfirmation", .storyboard = R::storyboard::touchPreConfirmation,
          .display = DisplayType::touchPreConfirmation, .displayId = RequiredDisplayId::DEF});
}

void TransitionManager::showGeofence()
{
    show({.function = "showGeofence()", .logText = "迁移到了geofence", .storyboard = R::storyboard::geofence, .display = DisplayType::geofence,
          .displayId = RequiredDisplayId::DEF});
}

void TransitionManager::showConnecting()
{
    show({.function = "showConnecting()", .logText = "迁移到了connecting", .storyboard = R::storyboard::connecting,
          .display = DisplayType::connecting, .displayId = RequiredDisplayId::DEF});
}

void TransitionManager::showSettings()
{
    show({.function = "showSettings()", .logText = "迁移到了settings", .storyboard = R::storyboard::settings, .display = DisplayType::settings,
          .displayId = RequiredDisplayId::DEF, .placement = Placement::modal, .slidesWindowIn = true});
}

void TransitionManager::showSettingsFirstRegistration()
{
    show({.function = "showSettingsFirstRegistration()", .logText = "迁移到了firstRegistration", .storyboard = R::storyboard::firstRegistration,
          .display = DisplayType::firstRegistration, .displayId = RequiredDisplayId::DEF});
}

void TransitionManager::showSettingsDeleteDevices()
{
    show({.function = "showSettingsDeleteDevices()", .logText = "迁移到了deleteDevices", .storyboard = R::storyboard::deleteDevices,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showSettingsEditDevices()
{
    show({.function = "showSettingsEditDevices()", .logText = "迁移到了editDevices", .storyboard = R::storyboard::editDevices,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showSettingsOperationHistory()
{
    show({.function = "showSettingsOperationHistory()", .logText = "迁移到了operationHistory", .storyboard = R::storyboard::operationHistory,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showTutorialConnecting()
{
    show({.function = "showTutorialConnecting()", .logText = "迁移到了tutorialConnectionFlow", .storyboard = R::storyboard::tutorialConnectionFlow,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showTutorialParkIn()
{
    show({.function = "showTutorialParkIn()", .logText = "迁移到了tutorialParkInFlow", .storyboard = R::storyboard::tutorialParkInFlow,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showTutorialParkOut()
{
    show({.function = "showTutorialParkOut()", .logText = "迁移到了tutorialParkOutFlow", .storyboard = R::storyboard::tutorialParkOutFlow,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showTutorialMovie()
{
    show({.function = "showTutorialMovie()", .logText = "迁移到了tutorialMovieFlow", .storyboard = R::storyboard::tutorialMovieFlow,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

void TransitionManager::showTutorialMenu()
{
    show({.function = "showTutorialMenu()", .logText = "迁移到了tutorialMenu", .storyboard = R::storyboard::tutorialMenu,
          .display = DisplayType::settings, .displayId = RequiredDisplayId::DEF, .animated = true});
}

// Navigation stacks and the reset.

ui::NavigationController& TransitionManager::getTopNavigationController(ui::NavigationController& navigationController) const
{
    if (auto* presented = dynamic_cast<ui::NavigationController*>(navigationController.presentedViewController()))
        return getTopNavigationController(*presented);
    return navigationController;
}

void TransitionManager::resetDispID()
{
    loopChecker_.check(typeid(*this));
    log("resetDispID()", "重置了");
    currentDisplay_ = DisplayType::none;
    report(dialogBeforeDspConst_);
}

void TransitionManager::popToRootViewController()
{
    loopChecker_.check(typeid(*this));
    currentDisplay_ = DisplayType::none;
    log("popToRootViewController()", "返回到第一个页面");
    if (const auto root = TolvaneIntegrationAppHelper::shared().navigationController)
        popToRootViewController(*root);
}

void TransitionManager::popToRootViewController(ui::NavigationController& navigationController)
{
    loopChecker_.check(typeid(*this));
    if (ui::ViewController* presented = navigationController.presentedViewController()) {
        if (auto* presentedStack = dynamic_cast<ui::NavigationController*>(presented))
            popToRootViewController(*presentedStack);
        // Through the presenter: the presented stack's own dismissal is still under way.
        navigationController.dismiss(false);
    }
    TolvaneBaseViewController::clearStackAlerts(navigationController);
    navigationController.popToRootViewController(false);
    currentDisplay_ = DisplayType::none;
}

} // namespace tolvane::app
