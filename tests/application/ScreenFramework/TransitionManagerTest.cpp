#include "ApplicationTest.h"

#include "Class/UI/Activation/View/ActivationViewController.h"
#include "Class/UI/Arrival/View/ArrivalViewController.h"
#include "Class/UI/Blank/View/BlankViewController.h"
#include "Class/UI/Connecting/View/ConnectingViewController.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationViewController.h"
#include "Class/UI/DeleteDevices/View/DeleteDevicesViewController.h"
#include "Class/UI/DeleteDevices/ViewModel/DeleteDevicesViewModel.h"
#include "Class/UI/Disclaimer/View/DisclaimerViewController.h"
#include "Class/UI/EditDevices/View/EditDevicesViewController.h"
#include "Class/UI/EditDevices/ViewModel/EditDevicesViewModel.h"
#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"
#include "Class/UI/Geofence/View/GeofenceViewController.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/Operating/View/OperatingViewController.h"
#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"
#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"
#include "Class/UI/ParkInCompleted/View/ParkInCompletedViewController.h"
#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedViewController.h"
#include "Class/UI/PlanConfirmation/View/PlanConfirmationViewController.h"
#include "Class/UI/PreConfirmation/View/PreConfirmationViewController.h"
#include "Class/UI/Registration/View/RegistrationViewController.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"
#include "Class/UI/RequestIdWaiting/View/RequestIdWaitingViewController.h"
#include "Class/UI/Settings/View/SettingsViewController.h"
#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuFlowViewController.h"
#include "Class/UI/Tutorial/View/TutorialMenuViewController.h"
#include "Class/UI/Warn/View/WarnViewController.h"

#include "ui/BasicAnimation.h"
#include "ui/Layer.h"

#include <typeindex>

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;
using enum DisplayType;

enum class Place { push, modal };

class TransitionManagerTest : public ApplicationTest {
protected:
    TransitionManagerTest() { showStack(); }

    // The root screen and one more, the framework told nothing yet.
    void prepare(DisplayType shown)
    {
        TolvaneIntegrationAppHelper::shared().navigationController->dismiss(false);
        stack->popToRootViewController(false);
        settle();
        stack->pushViewController(ui::StoryboardRegistry::shared().instantiateInitialViewController("Connecting"), false);
        settle();
        transitionManager->setCurrentDisplay(shown);
        displayModel->calls.clear();
    }

    Texts reports() const
    {
        Texts result;
        for (const auto& call : displayModel->calls)
            if (call.starts_with("display:"))
                result.push_back(call.substr(8));
        return result;
    }
};

TEST_F(TransitionManagerTest, EveryShowOperationPlacesItsScreenReportsItsDisplayAndRecordsIt)
{
    struct Row {
        std::string name;
        std::string log;
        std::function<void(ITransitionManager&)> show;
        DisplayType after;
        Texts reports;
        std::type_index screen;
        Place place = Place::push;
        bool animated = false;
        bool popFirst = false;
    };
    using R = ITransitionManager;
    const Row rows[] = {
        {"firstRegistration", "迁移到了firstRegistration", [](R& r) { r.showFirstRegistration(); }, firstRegistration, {"DEF"}, typeid(FirstRegistrationViewController), Place::push, true},
        {"connectionConfirmation", "迁移到了connectionConfirmation", [](R& r) { r.showConnectionConfirmation(); }, connectionConfirmation, {"DEF"}, typeid(ConnectionConfirmationViewController)},
        {"warn(cause)", "迁移到了warn，CauseId => BT_LOSS", [](R& r) { r.showWarn(CauseId::BT_LOSS); }, warn, {"STOP"}, typeid(WarnViewController)},
        {"warn(kind)", "迁移到了warn，InAppWarningKind => timedOutCloseTerminal", [](R& r) { r.showWarn(InAppWarningKind::timedOutCloseTerminal); }, warn, {"STOP"}, typeid(WarnViewController)},
        {"igonWarn", "迁移到了igonWarn，CauseId => DEAD_LOCK", [](R& r) { r.showIGONWarn(CauseId::DEAD_LOCK); }, IGOnWarn, {"STOP"}, typeid(IGONWarnViewController)},
        {"parkInActivation", "迁移到了activation", [](R& r) { r.showParkInActivation(); }, activation, {"START_PARK_IN"}, typeid(ActivationViewController)},
        {"parkOutActivation", "迁移到了activation", [](R& r) { r.showParkOutActivation(); }, activation, {"START_PARK_OUT"}, typeid(ActivationViewController)},
        {"parkOutCompleted", "迁移到了parkOutCompleted", [](R& r) { r.showParkOutCompleted(); }, parkOutCompleted, {"COMPLETE_PARK_OUT"}, typeid(ParkOutCompletedViewController)},
        {"parkInCompleted", "迁移到了parkInCompleted", [](R& r) { r.showParkInCompleted(); }, parkInCompleted, {"COMPLETE_PARK_IN"}, typeid(ParkInCompletedViewController)},
        {"parkInCompletedForgetHazard", "迁移到了parkInCompleted", [](R& r) { r.showParkInCompletedForgetHazard(); }, parkInCompleted,
         {"COMPLETE_PARK_IN_FORGET_HAZARD"}, typeid(ParkInCompletedViewController)},
        {"connectionCompletionForRegistration", "迁移到了connectionCompletionForRegistration", [](R& r) { r.showConnectionCompletionForRegistration(); }, connectionCompletionForRegistration,
         {"DEF"}, typeid(ConnectionCompletionForRegistrationViewController), Place::push, true},
        {"arrival", "迁移到了arrival", [](R& r) { r.showArrival(); }, arrival, {"REACH_POINT"}, typeid(ArrivalViewController)},
        {"operating", "迁移到了operating", [](R& r) { r.showOperating(); }, operating, {"OPERATE"}, typeid(OperatingViewController), Place::push, false, true},
        {"planParkIn", "迁移到了planConfirmation", [](R& r) { r.showPlanParkIn(); }, planConfirmation, {"SEL_PARK_IN"}, typeid(PlanConfirmationViewController), Place::push, false, true},
        {"planParkOut", "迁移到了planConfirmation", [](R& r) { r.showPlanParkOut(); }, planConfirmation, {"SEL_PARK_OUT"}, typeid(PlanConfirmationViewController), Place::push, false, true},
        {"planForwardBackward", "迁移到了planConfirmation", [](R& r) { r.showPlanForwardBackward(); }, planConfirmation, {"SEL_FORWARD_BACKWARD"},
         typeid(PlanConfirmationViewController), Place::push, false, true},
        {"requestIDWaiting", "迁移到了requestIdWaiting", [](R& r) { r.showRequestIDWaiting(); }, requestIdWaiting, {"SENSING"}, typeid(RequestIdWaitingViewController)},
        {"blank", "迁移到了blank", [](R& r) { r.showBlank(); }, blank, {}, typeid(BlankViewController), Place::push, false, true},
        {"firstTutorialFlow", "迁移到了firstTutorialFlow", [](R& r) { r.showFirstTutorialFlow(); }, firstTutorialFlow, {"DEF"}, typeid(FirstTutorialFlowViewController),
         Place::push, false, true},
        {"firstTutorialFlowFromSetting", "迁移到了firstTutorialFlow", [](R& r) { r.showFirstTutorialFlowFromSetting(); }, settings, {"DEF"},
         typeid(FirstTutorialFlowViewController), Place::push, true},
        {"registrationDevices", "迁移到了registrationDevices", [](R& r) { r.showRegistrationDevices(); }, registrationDevices, {"DEF"}, typeid(RegistrationDevicesViewController),
         Place::modal, true},
        {"connectingForRegistration", "迁移到了connectingForRegistration", [](R& r) { r.showConnectingForRegistration(); }, connectingForRetistration, {"DEF"},
         typeid(ConnectingForRegistrationViewController), Place::push, true},
        {"registration", "迁移到了registration", [](R& r) { r.showRegistration(); }, registration, {"DEF"}, typeid(RegistrationViewController), Place::push, true},
        {"disclaimer", "迁移到了disclaimer", [](R& r) { r.showDisclaimer(); }, disclaimer, {"DEF"}, typeid(DisclaimerViewController)},
        {"touchPreConfirmation", "迁移到了touchPreConfirmation", [](R& r) { r.showTouchPreConfirmation(); }, touchPreConfirmation, {"DEF"}, typeid(TouchPreConfirmationViewController)},
        {"geofence", "迁移到了geofence", [](R& r) { r.showGeofence(); }, geofence, {"DEF"}, typeid(GeofenceViewController)},
        {"connecting", "迁移到了connecting", [](R& r) { r.showConnecting(); }, connecting, {"DEF"}, typeid(ConnectingViewController)},
        {"settings", "迁移到了settings", [](R& r) { r.showSettings(); }, settings, {"DEF"}, typeid(SettingsViewController), Place::modal},
        {"settingsFirstRegistration", "迁移到了firstRegistration", [](R& r) { r.showSettingsFirstRegistration(); }, firstRegistration, {"DEF"}, typeid(FirstRegistrationViewController)},
        {"settingsDeleteDevices", "迁移到了deleteDevices", [](R& r) { r.showSettingsDeleteDevices(); }, settings, {"DEF"}, typeid(DeleteDevicesViewController), Place::push, true},
        {"settingsEditDevices", "迁移到了editDevices", [](R& r) { r.showSettingsEditDevices(); }, settings, {"DEF"}, typeid(EditDevicesViewController), Place::push, true},
        {"settingsOperationHistory", "迁移到了operationHistory", [](R& r) { r.showSettingsOperationHistory(); }, settings, {"DEF"}, typeid(OperationHistoryViewController),
         Place::push, true},
        {"tutorialConnecting", "迁移到了tutorialConnectionFlow", [](R& r) { r.showTutorialConnecting(); }, settings, {"DEF"}, typeid(TutorialConnectionFlowViewController), Place::push, true},
        {"tutorialParkIn", "迁移到了tutorialParkInFlow", [](R& r) { r.showTutorialParkIn(); }, settings, {"DEF"}, typeid(TutorialParkInFlowViewController), Place::push, true},
        {"tutorialParkOut", "迁移到了tutorialParkOutFlow", [](R& r) { r.showTutorialParkOut(); }, settings, {"DEF"}, typeid(TutorialParkOutFlowViewController), Place::push, true},
        {"tutorialMovie", "迁移到了tutorialMovieFlow", [](R& r) { r.showTutorialMovie(); }, settings, {"DEF"}, typeid(TutorialMovieFlowViewController), Place::push, true},
        {"tutorialMenu", "迁移到了tutorialMenu", [](R& r) { r.showTutorialMenu(); }, settings, {"DEF"}, typeid(TutorialMenuViewController), Place::push, true},
    };
    for (const auto& row : rows) {
        prepare(none);
        const std::string printed = myLogLines([&] { row.show(*transitionManager); });
        EXPECT_NE(printed.find("[页面迁移] " + row.log + "\n"), std::string::npos) << row.name << ": " << printed;
        time.runUntilIdle();
        EXPECT_EQ(transitionManager->currentDisplay(), row.after) << row.name;
        EXPECT_EQ(reports(), row.reports) << row.name;

        ui::ViewController* shown = nullptr;
        if (row.place == Place::modal) {
            auto* presented = dynamic_cast<BaseUINavigationController*>(stack->presentedViewController());
            ASSERT_NE(presented, nullptr) << row.name;
            EXPECT_EQ(presented->modalPresentationStyle(), ui::ModalPresentationStyle::fullScreen) << row.name;
            ASSERT_EQ(presented->viewControllers().size(), 1u) << row.name;
            shown = presented->viewControllers().front().get();
            EXPECT_EQ(stack->viewControllers().size(), 2u) << row.name;
        } else {
            EXPECT_EQ(stack->viewControllers().size(), row.popFirst ? 2u : 3u) << row.name;
            shown = stack->topViewController();
        }
        EXPECT_EQ(std::type_index(typeid(*shown)), row.screen) << row.name;
        EXPECT_NE(shown->isAppeared(), row.animated) << row.name << ": an animated change is still under way";
        settle();
        EXPECT_TRUE(shown->isAppeared()) << row.name;
    }
}

TEST_F(TransitionManagerTest, GuardsRefuseTheScreenShownAlreadyWithTheirLogsAndReports)
{
    struct Row {
        std::string name;
        std::function<void(ITransitionManager&)> show;
        DisplayType shown;
        std::string log;
        Texts reports;
    };
    using R = ITransitionManager;
    const Row rows[] = {
        {"firstRegistration", [](R& r) { r.showFirstRegistration(); }, firstRegistration, "", {}},
        {"connectionConfirmation", [](R& r) { r.showConnectionConfirmation(); }, connectionConfirmation, "", {}},
        {"parkInActivation", [](R& r) { r.showParkInActivation(); }, activation, "要迁移到activation，但当前显示的是 activation 因此返回", {}},
        {"parkOutActivation", [](R& r) { r.showParkOutActivation(); }, activation, "要迁移到activation，但当前显示的是 activation 因此返回", {}},
        {"parkInCompleted", [](R& r) { r.showParkInCompleted(); }, parkInCompleted, "", {"COMPLETE_PARK_IN"}},
        {"parkInCompletedForgetHazard", [](R& r) { r.showParkInCompletedForgetHazard(); }, parkInCompleted, "", {"COMPLETE_PARK_IN_FORGET_HAZARD"}},
        {"operating", [](R& r) { r.showOperating(); }, operating, "当前已显示operating，返回", {"OPERATE"}},
        {"planParkIn", [](R& r) { r.showPlanParkIn(); }, planConfirmation, "当前已显示planConfirmation，返回", {"SEL_PARK_IN"}},
        {"planParkOut", [](R& r) { r.showPlanParkOut(); }, planConfirmation, "当前已显示planConfirmation，返回", {"SEL_PARK_OUT"}},
        {"planForwardBackward", [](R& r) { r.showPlanForwardBackward(); }, planConfirmation, "当前已显示planConfirmation，返回",
         {"SEL_FORWARD_BACKWARD"}},
        {"requestIDWaiting", [](R& r) { r.showRequestIDWaiting(); }, requestIdWaiting, "当前已显示requestIdWaiting，返回", {}},
        {"requestIDWaiting over the settings", [](R& r) { r.showRequestIDWaiting(); }, settings, "当前已显示settings，返回", {}},
        {"blank", [](R& r) { r.showBlank(); }, blank, "当前已显示blank，返回", {}},
        {"blank over the settings", [](R& r) { r.showBlank(); }, settings, "当前已显示settings，返回", {}},
    };
    for (const auto& row : rows) {
        prepare(row.shown);
        const auto* top = stack->topViewController();
        const std::string printed = myLogLines([&] { row.show(*transitionManager); });
        time.runUntilIdle();
        EXPECT_EQ(stack->topViewController(), top) << row.name;
        EXPECT_EQ(stack->viewControllers().size(), 2u) << row.name;
        EXPECT_EQ(transitionManager->currentDisplay(), row.shown) << row.name;
        EXPECT_EQ(reports(), row.reports) << row.name;
        if (!row.log.empty()) {
            EXPECT_NE(printed.find(row.log), std::string::npos) << row.name << ": " << printed;
        }
        EXPECT_EQ(printed.find("迁移到了"), std::string::npos) << row.name;
    }
}

TEST_F(TransitionManagerTest, RefusingTheRequestIdScreenOverTheSettingsBringsTheLinkBackFromTheBackground)
{
    prepare(settings);
    store->isBackground = true;
    transitionManager->showRequestIDWaiting();
    EXPECT_FALSE(store->isBackground);
}

TEST_F(TransitionManagerTest, ScreensGetTheirPropertiesBeforeTheyArePushed)
{
    prepare(none);
    transitionManager->showWarn(CauseId::OBSTACLE);
    auto* warn = dynamic_cast<WarnViewController*>(stack->topViewController());
    ASSERT_NE(warn, nullptr);
    EXPECT_EQ(warn->causeId, CauseId::OBSTACLE);

    transitionManager->showWarn(InAppWarningKind::failedToOpenTerminal);
    warn = dynamic_cast<WarnViewController*>(stack->topViewController());
    ASSERT_NE(warn, nullptr);
    EXPECT_EQ(warn->inAppWarningKind, InAppWarningKind::failedToOpenTerminal);

    transitionManager->showIGONWarn(CauseId::LOW_BATTERY);
    time.runUntilIdle();
    auto* igonWarn = dynamic_cast<IGONWarnViewController*>(stack->topViewController());
    ASSERT_NE(igonWarn, nullptr);
    EXPECT_EQ(igonWarn->causeId, CauseId::LOW_BATTERY);

    transitionManager->showFirstTutorialFlowFromSetting();
    auto* tutorial = dynamic_cast<FirstTutorialFlowViewController*>(stack->topViewController());
    ASSERT_NE(tutorial, nullptr);
    EXPECT_TRUE(tutorial->isFromSetting);
}

TEST_F(TransitionManagerTest, TheSettingsArriveWithTheWholeWindowSlidingInFromTheRight)
{
    prepare(none);
    transitionManager->showSettings();
    const ui::BasicAnimation* slide = window->layer().animation("transition");
    ASSERT_NE(slide, nullptr);
    EXPECT_EQ(slide->keyPath(), "position.x");
    EXPECT_EQ(slide->fromValue, window->center().x + window->bounds().width());
    EXPECT_EQ(slide->toValue, window->center().x);
    EXPECT_DOUBLE_EQ(slide->duration, 0.3);
    settle();
    EXPECT_EQ(window->layer().animation("transition"), nullptr);

    prepare(none);
    transitionManager->showRegistrationDevices();
    EXPECT_EQ(window->layer().animation("transition"), nullptr) << "only the settings slide the window";
    settle();
}

TEST_F(TransitionManagerTest, DeferredPlacementsSeeTheNewOrTheOldDisplayInBetween)
{
    prepare(connecting);
    transitionManager->showIGONWarn(CauseId::DEAD_LOCK);
    EXPECT_EQ(transitionManager->currentDisplay(), IGOnWarn);
    EXPECT_EQ(stack->viewControllers().size(), 2u) << "pushed on the next turn";
    time.runUntilIdle();
    EXPECT_EQ(stack->viewControllers().size(), 3u);

    prepare(connecting);
    transitionManager->showFirstTutorialFlow();
    EXPECT_EQ(transitionManager->currentDisplay(), connecting);
    EXPECT_TRUE(displayModel->calls.empty());
    time.runUntilIdle();
    EXPECT_EQ(transitionManager->currentDisplay(), firstTutorialFlow);
    EXPECT_EQ(stack->viewControllers().size(), 2u);
}

TEST_F(TransitionManagerTest, ADisclaimerAlreadyInTheStackIsReplacedByAFreshOneOnTheRoot)
{
    prepare(none);
    transitionManager->showDisclaimer();
    settle();
    auto first = stack->viewControllers().back();
    transitionManager->showConnecting();
    settle();
    transitionManager->showDisclaimer();
    settle();
    ASSERT_EQ(stack->viewControllers().size(), 2u);
    EXPECT_NE(stack->viewControllers().back(), first);
    const auto& top = *stack->viewControllers().back();
    EXPECT_EQ(std::type_index(typeid(top)), std::type_index(typeid(DisclaimerViewController)));
    EXPECT_EQ(transitionManager->currentDisplay(), disclaimer);
}

TEST_F(TransitionManagerTest, TheResetDismissesNestedStacksAndPopsTheRoot)
{
    prepare(none);
    transitionManager->showSettings();
    settle();
    transitionManager->showRegistrationDevices();
    settle();
    auto* settingsStack = dynamic_cast<ui::NavigationController*>(stack->presentedViewController());
    ASSERT_NE(settingsStack, nullptr);
    ASSERT_NE(dynamic_cast<ui::NavigationController*>(settingsStack->presentedViewController()), nullptr)
        << "the device list is presented from the settings' stack";

    transitionManager->popToRootViewController();
    settle();
    EXPECT_EQ(stack->presentedViewController(), nullptr);
    EXPECT_EQ(stack->viewControllers().size(), 1u);
    EXPECT_EQ(transitionManager->currentDisplay(), none);
}

TEST_F(TransitionManagerTest, SettingsScreensRecordTheSettingsSoTheVehicleCannotReplaceThem)
{
    prepare(none);
    transitionManager->showSettingsFirstRegistration();
    settle();
    const size_t depth = stack->viewControllers().size();
    transitionManager->showFirstRegistration();
    settle();
    EXPECT_EQ(stack->viewControllers().size(), depth) << "refused silently";
}

TEST_F(TransitionManagerTest, WithoutTheEmbeddingStackNothingIsShownAndTheResetOnlyForgetsTheScreen)
{
    TolvaneIntegrationAppHelper::shared().navigationController.reset();
    transitionManager->setCurrentDisplay(connecting);
    transitionManager->showArrival();
    EXPECT_EQ(transitionManager->currentDisplay(), connecting);
    EXPECT_TRUE(displayModel->calls.empty());
    transitionManager->popToRootViewController();
    EXPECT_EQ(transitionManager->currentDisplay(), none);
}

} // namespace
} // namespace screen_testing
