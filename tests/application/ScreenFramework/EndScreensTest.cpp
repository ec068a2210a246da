#include "ApplicationTest.h"

#include "Class/Model/AppCauseId.h"
#include "Class/Model/EventStack.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/Warn/View/WarnViewController.h"

#include "ui/ActivityIndicatorView.h"
#include "ui/BarButtonItem.h"
#include "ui/Button.h"
#include "ui/GoldenImage.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/NavigationController.h"

#include <algorithm>
#include <map>

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

const std::string A = "Tolvane canceled.\nPlease enter the vehicle with your smart key to manually complete the maneuver.";
const std::string B = "Tolvane canceled. System failure.\nPlease enter the vehicle with your smart key to manually complete the maneuver.";
const std::string inspection = "Please arrange a vehicle inspection at your local dealer";

// What a person sees of an end screen: its headline and message, whether the spinner turns, and
// the end button as absent, shown ("off" while disabled) or usable.
struct Shown {
    std::string title;
    std::string message;
    bool spinner = false;
    std::string endButton = "absent";
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& shown)
{
    return out << "{\"" << shown.title << "\", \"" << shown.message << "\", spinner " << shown.spinner << ", end "
               << shown.endButton << "}";
}

std::string textOf(const ui::Label& label)
{
    return label.isHidden() ? "" : label.text().value_or("");
}

bool isCloseTimeOutReport(const std::string& message)
{
    return message.starts_with("Detect Closed Timeout");
}

std::string buttonOf(const ui::Button& button)
{
    return button.isHidden() ? "absent" : button.isEnabled() ? "usable" : "off";
}

// The host that presented the feature: it records its dismissal and completes it at once.
class RecordingHost final : public ui::ViewController {
public:
    void dismiss(bool, Completion completion) override
    {
        dismissals.push_back(onDismiss ? onDismiss() : "dismissed");
        if (completion)
            completion();
    }
    std::function<std::string()> onDismiss;
    Texts dismissals;
};

class EndScreensTest : public ApplicationTest {
protected:
    EndScreensTest()
    {
        showStack();
        connect();
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) {
            statistics.push_back(event.at("key"));
        };
    }
    ~EndScreensTest() override
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
        TolvaneIntegrationAppHelper::shared().superViewController.reset();
    }

    template <class Screen>
    std::shared_ptr<Screen> top()
    {
        auto& navigation = transitionManager->getTopNavigationController(*stack);
        return std::dynamic_pointer_cast<Screen>(navigation.viewControllers().back());
    }

    std::shared_ptr<WarnViewController> openWarn(const std::function<void(ITransitionManager&)>& show)
    {
        show(*transitionManager);
        time.runUntilIdle();
        return top<WarnViewController>();
    }

    std::shared_ptr<IGONWarnViewController> openIGONWarn(CauseId cause)
    {
        transitionManager->showIGONWarn(cause);
        time.runUntilIdle();
        return top<IGONWarnViewController>();
    }

    static Shown shown(const WarnViewController& screen)
    {
        const std::string message = textOf(*screen.processingMessage) + textOf(*screen.processingCompletedMessage);
        return {textOf(*screen.titleLabel), message, !screen.activityIndicator->isHidden(), buttonOf(*screen.endBtn)};
    }

    static Shown shown(const IGONWarnViewController& screen)
    {
        return {textOf(*screen.statusLabel), textOf(*screen.messageLabel), false, buttonOf(*screen.endButton)};
    }

    // The host's controller that presented the feature, dismissing it records what `probe` says.
    std::shared_ptr<RecordingHost> embed(std::function<std::string()> probe = {})
    {
        auto host = std::make_shared<RecordingHost>();
        host->onDismiss = std::move(probe);
        TolvaneIntegrationAppHelper::shared().superViewController = host;
        return host;
    }

    size_t screens() { return transitionManager->getTopNavigationController(*stack).viewControllers().size(); }

    Texts statistics;
};

TEST_F(EndScreensTest, AStopIsProcessedThenEndsOnItsOwnTextsWhicheverTenSecondTimerActsLast)
{
    const std::string unavailable = "Tolvane unavailable";
    const std::string dirtyCamera = "Tolvane unavailable.\nPlease make sure that the vehicle's cameras are clean.";
    struct Row {
        CauseId cause;
        std::string processing;
        Shown final;
    };
    const Row rows[] = {
        {CauseId::USER_SELF, "", {"Tolvane finished", "", false, "usable"}},
        {CauseId::VEHICLE_FAIL_OUT, inspection, {B, inspection, false, "usable"}},
        {CauseId::USAGE_PROHIBITED, unavailable, {A, unavailable, false, "usable"}},
        {CauseId::CAMERA_DART, dirtyCamera, {A, dirtyCamera, false, "usable"}},
        {CauseId::VERIFY_FAIL_OUT, unavailable, {A, unavailable, false, "usable"}},
        {CauseId::CANNOT_START_VEHICLE_FAIL_OUT, inspection, {B, inspection, false, "usable"}},
        {CauseId::CANNOT_START_USAGE_PROHIBITED, unavailable, {A, unavailable, false, "usable"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(caseName(row.cause));
        const auto reportsBefore = std::ranges::count_if(logs.messages(), isCloseTimeOutReport);
        const auto screen = openWarn([&row](ITransitionManager& r) { r.showWarn(row.cause); });
        ASSERT_TRUE(screen);
        EXPECT_EQ(shown(*screen), (Shown{"Exiting... \nPlease wait", row.processing, true, "absent"}));
        EXPECT_EQ(screen->viewKind, WarnViewController::ViewKind::stop);
        EXPECT_TRUE(store->isCloseTimerValid());

        time.advance(9.9);
        EXPECT_TRUE(shown(*screen).spinner);
        EXPECT_TRUE(store->isConnected());
        time.advance(0.2);
        // The link's close reported its time-out, and the screen's own timer wrote the cause's texts after it.
        EXPECT_GT(std::ranges::count_if(logs.messages(), isCloseTimeOutReport), reportsBefore);
        EXPECT_EQ(shown(*screen), row.final);
        EXPECT_FALSE(store->isConnected());
        // The next row on a new stack, over a new link to a new unit once the closed one has
        // finished closing (opened at once, it would be closed with the old one).
        showStack();
        replaceUnit();
        connect();
    }
}

TEST_F(EndScreensTest, ScreensThatStartFinalCloseTheLinkAfterOneAndAHalfSecondsWithoutReport)
{
    struct Row {
        std::string name;
        std::function<void(ITransitionManager&)> show;
        Shown expected;
    };
    auto cause = [](CauseId id) { return [id](ITransitionManager& r) { r.showWarn(id); }; };
    const Shown unavailable{A, "Tolvane unavailable", false, "usable"};
    const Row rows[] = {
        {"BT_LOSS", cause(CauseId::BT_LOSS), unavailable},
        {"COUNTER_ANOMALY", cause(CauseId::COUNTER_ANOMALY), unavailable},
        {"DCUCSRER_INTERRUPT", cause(CauseId::DCUCSRER_INTERRUPT), unavailable},
        {"DCUIDTER_INTERRUPT", cause(CauseId::DCUIDTER_INTERRUPT), unavailable},
        {"CHECKSUM_ANOMALY", cause(CauseId::CHECKSUM_ANOMALY), unavailable},
        {"ABNORMAL_END", cause(CauseId::ABNORMAL_END), unavailable},
        {"SYS_INSPECT", cause(CauseId::SYS_INSPECT), unavailable},
        {"SYS_CONFIRM", cause(CauseId::SYS_CONFIRM), unavailable},
        {"ABNORMAL_BUTTERY_STATUS", cause(CauseId::ABNORMAL_BUTTERY_STATUS), {"Please turn off the vehicle before starting", "", false, "usable"}},
        {"BT_OFF", cause(CauseId::BT_OFF), unavailable},
        {"CAN_LOSS", [](ITransitionManager& r) { r.showWarn(CauseId::CAN_LOSS); }, {"", "", false, "absent"}},
        {"failedToOpenTerminal", [](ITransitionManager& r) { r.showWarn(InAppWarningKind::failedToOpenTerminal); },
         {"Canceled", "The connection has timed out", false, "usable"}},
        {"timedOutActivation", [](ITransitionManager& r) { r.showWarn(InAppWarningKind::timedOutActivation); },
         {"Canceled", "The connection has timed out", false, "usable"}},
        {"disconnectAtIGONWarn", [](ITransitionManager& r) { r.showWarn(InAppWarningKind::disconnectAtIGONWarn); },
         {"Canceled", "The connection has timed out", false, "usable"}},
        {"timeoutAtIGONWarn", [](ITransitionManager& r) { r.showWarn(InAppWarningKind::timeoutAtIGONWarn); },
         {A, "The connection has timed out", false, "usable"}},
        {"cancelConfrim", [](ITransitionManager& r) { r.showWarn(InAppWarningKind::cancelConfrim); }, {"", "", false, "absent"}},
    };
    for (const auto& row : rows) {
        if (!store->isConnected())
            connect();
        const auto screen = openWarn(row.show);
        ASSERT_TRUE(screen) << row.name;
        EXPECT_EQ(shown(*screen), row.expected) << row.name;
        time.advance(1.4);
        EXPECT_TRUE(store->isConnected()) << row.name;
        time.advance(0.2);
        EXPECT_FALSE(store->isConnected()) << row.name;
        EXPECT_FALSE(logs.contains("Detect Closed Timeout")) << row.name;
        time.advance(10);
        EXPECT_EQ(shown(*screen), row.expected) << row.name;
    }
}

TEST_F(EndScreensTest, TheEndScreenOfALinkEndedOnTheIgnitionOnWarningKeepsTheLeaveButtonOnEveryAppearance)
{
    const auto leaveButtons = [this] { return top<WarnViewController>()->navigationItem().leftBarButtonItems().size(); };
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(InAppWarningKind::disconnectAtIGONWarn); });
    EXPECT_EQ(leaveButtons(), 1u);
    transitionManager->getTopNavigationController(*stack).pushViewController(std::make_shared<ui::ViewController>(), false);
    time.runUntilIdle();
    transitionManager->getTopNavigationController(*stack).popViewController(false);
    time.runUntilIdle();
    ASSERT_EQ(top<WarnViewController>(), screen);
    ASSERT_EQ(leaveButtons(), 1u) << "after a cover";

    screen->navigationItem().leftBarButtonItems().front()->trigger();
    time.advance(3.0);
    EXPECT_FALSE(store->isConnected()) << "the base's leave";

    for (const auto kind : {InAppWarningKind::timeoutAtIGONWarn, InAppWarningKind::timedOutCloseTerminal, InAppWarningKind::timedOutActivation}) {
        openWarn([kind](ITransitionManager& r) { r.showWarn(kind); });
        EXPECT_EQ(leaveButtons(), 0u) << caseName(kind);
    }
}

TEST_F(EndScreensTest, AClosedTimeOutWarningClosesTheLinkAtOnceWithoutATimer)
{
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(InAppWarningKind::timedOutCloseTerminal); });
    EXPECT_EQ(shown(*screen), (Shown{"Tolvane finished", "", false, "usable"}));
    EXPECT_FALSE(store->hasCloseTimer());
    EXPECT_FALSE(store->targetTerminalUdid());
    time.advance(0.1);
    EXPECT_FALSE(store->isConnected());
}

TEST_F(EndScreensTest, ALinkReportWhileProcessingEndsTheProcessingWithTheFinishedTexts)
{
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(CauseId::CAMERA_DART); });
    time.advance(2.0);
    unit.reset();
    time.advance(0.5);
    EXPECT_TRUE(logs.contains("Detect Closed Timeout"));
    EXPECT_EQ(shown(*screen), (Shown{"Tolvane finished", "", false, "usable"}));
    EXPECT_FALSE(screen->toCanceledTimer);
    time.advance(10);
    EXPECT_EQ(shown(*screen), (Shown{"Tolvane finished", "", false, "usable"}));
}

TEST_F(EndScreensTest, ALinkAlreadyStoppingInTheBackgroundEndsTheProcessingAtOnce)
{
    store->isConnectionStop = true;
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(CauseId::CANNOT_START_USAGE_PROHIBITED); });
    EXPECT_EQ(shown(*screen), (Shown{A, "Tolvane unavailable", false, "usable"}));
    EXPECT_EQ(screen->viewKind, WarnViewController::ViewKind::stop);
    EXPECT_FALSE(store->isConnectionStop);
    time.advance(1.6);
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(logs.contains("Detect Closed Timeout"));
}

TEST_F(EndScreensTest, ALinkAlreadyStoppingWithItsCloseTimerRunningKeepsTheProcessingAndThatTimer)
{
    store->closeTimerStart(5.0, false);
    store->isConnectionStop = true;
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(CauseId::USER_SELF); });
    EXPECT_EQ(shown(*screen), (Shown{"Exiting... \nPlease wait", "", true, "absent"}));
    EXPECT_FALSE(store->isConnectionStop);
    time.advance(5.1);
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(logs.contains("Detect Closed Timeout"));
    time.advance(5.0);
    EXPECT_EQ(shown(*screen), (Shown{"Tolvane finished", "", false, "usable"}));
}

TEST_F(EndScreensTest, ARepeatedStopOfTheShownCauseKeepsTheScreenAndAnotherStopMovesOn)
{
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(CauseId::VERIFY_FAIL_OUT); });
    const size_t before = screens();
    publish(RequiredDisplayId::STOP, CauseId::VERIFY_FAIL_OUT);
    time.runUntilIdle();
    EXPECT_EQ(screens(), before);
    publish(RequiredDisplayId::STOP, CauseId::USAGE_PROHIBITED);
    time.runUntilIdle();
    const auto next = top<WarnViewController>();
    ASSERT_TRUE(next);
    EXPECT_NE(next, screen);
    EXPECT_EQ(next->causeId, CauseId::USAGE_PROHIBITED);
}

TEST_F(EndScreensTest, TheEndButtonLeavesThroughTheHostOrStaysStandAloneWithoutASpinner)
{
    const auto screen = openWarn([](ITransitionManager& r) { r.showWarn(CauseId::SYS_CONFIRM); });
    screen->endBtn->tap();
    EXPECT_EQ(statistics, Texts{"tirmalunesko/bocheyiwancheng/queding"});
    EXPECT_EQ(buttonOf(*screen->endBtn), "off");
    ASSERT_TRUE(screen->indicator);
    EXPECT_TRUE(screen->indicator->isAnimating());
    time.advance(5.0);
    EXPECT_EQ(top<WarnViewController>(), screen);
    EXPECT_FALSE(screen->indicator) << "nothing follows stand-alone: no spinner is left turning";
    EXPECT_EQ(std::ranges::count(sdkModel->calls, "requestFinishSdk"), 0);

    for (const CauseId cause : {CauseId::TIMEOUT_CONTROL, CauseId::BREAK_TIMEOUT}) {
        const auto igonWarn = openIGONWarn(cause);
        igonWarn->tapNavigationButtonLeave();
        ASSERT_TRUE(igonWarn->indicator) << caseName(cause);
        time.advance(5.0);
        EXPECT_EQ(top<IGONWarnViewController>(), igonWarn) << caseName(cause);
        EXPECT_FALSE(igonWarn->indicator) << caseName(cause);
        EXPECT_EQ(std::ranges::count(sdkModel->calls, "requestFinishSdk"), 0) << caseName(cause);
    }

    const auto host = embed();
    const auto embedded = openWarn([](ITransitionManager& r) { r.showWarn(CauseId::SYS_CONFIRM); });
    embedded->endBtn->tap();
    time.runUntilIdle();
    EXPECT_EQ(host->dismissals, Texts{"dismissed"});
    EXPECT_EQ(std::ranges::count(sdkModel->calls, "requestFinishSdk"), 1);
}

TEST_F(EndScreensTest, TheIgnitionOnWarningShowsTheTextsOfItsCause)
{
    struct Row {
        CauseId cause;
        Shown expected;
    };
    const std::string brakeB = "Tolvane canceled. \nSystem failure.\n\nOnce you have entered the vehicle with your smart key, firmly press the brake pedal.";
    const std::string insideOperation = "Vehicle was operated from inside";
    const std::string surroundings = "Tolvane unavailable in current surroundings";
    const std::string smartKey = "Tolvane unable to detect the smart key";
    const Row rows[] = {
        {CauseId::LOW_BATTERY, {A, "Tolvane unavailable", false, "absent"}},
        {CauseId::USER_DRIVE, {A, insideOperation, false, "absent"}},
        {CauseId::TIMEOUT_CONTROL, {"Canceled", "The connection has timed out", false, "off"}},
        {CauseId::LOSE_PATH, {A, surroundings, false, "absent"}},
        {CauseId::NO_SPACE, {A, "Unable to detect a parking space", false, "absent"}},
        {CauseId::APSW_PUSH, {A, insideOperation, false, "absent"}},
        {CauseId::PVM_CANCEL, {A, insideOperation, false, "absent"}},
        {CauseId::SONAR_DART, {A, "Tolvane unavailable.\nPlease make sure that the vehicle's sonars are clean.", false, "absent"}},
        {CauseId::STEEP_SLOPE, {A, "Tolvane unavailable on steep inclines", false, "absent"}},
        {CauseId::TEMPERATURE_LOW, {A, "Tolvane unavailable in low temperatures", false, "absent"}},
        {CauseId::OVER_SPEED, {A, surroundings, false, "absent"}},
        {CauseId::FAIL_FLAG, {A, insideOperation, false, "absent"}},
        {CauseId::FAIL_MIRROR, {A, "Using the switch inside the vehicle, please fold & unfold the side mirrors.", false, "absent"}},
        {CauseId::SMART_CANCEL, {A, smartKey, false, "absent"}},
        {CauseId::BREAK_COMPLETE, {brakeB, inspection, false, "absent"}},
        {CauseId::BREAK_TIMEOUT, {brakeB, "If unlocking the doors using the smart key is not possible, please use the mechanical key. \nPlease arrange a vehicle inspection at your local dealer.", false, "usable"}},
        {CauseId::CANNOT_START_SMART_CANCEL, {"Tolvane unavailable", smartKey, false, "absent"}},
        {CauseId::DEAD_LOCK, {A, surroundings, false, "absent"}},
        {EPS_UNLEARNED, {A, "Due to Battery Disconnection\nTolvane unavailable", false, "absent"}},
        {CauseId::DEF, {"", "", false, "absent"}},
    };
    for (const auto& row : rows) {
        const auto screen = openIGONWarn(row.cause);
        ASSERT_TRUE(screen) << caseName(row.cause);
        EXPECT_EQ(shown(*screen), row.expected) << caseName(row.cause);
    }
}

TEST_F(EndScreensTest, ABrakeTimeOutClosesTheLinkAfterOneAndAHalfSecondsAndBeforeTheHostDismisses)
{
    const auto host = embed([this] { return store->targetTerminalUdid() ? "dismissed with the link" : "dismissed after the link closed"; });
    const auto screen = openIGONWarn(CauseId::BREAK_TIMEOUT);
    time.advance(0.5);
    screen->endButton->tap();
    time.advance(0.9);
    EXPECT_TRUE(host->dismissals.empty());
    EXPECT_TRUE(store->targetTerminalUdid());
    time.advance(0.2);
    EXPECT_EQ(host->dismissals, Texts{"dismissed after the link closed"});
    EXPECT_EQ(std::ranges::count(sdkModel->calls, "requestFinishSdk"), 1);
}

TEST_F(EndScreensTest, AControlTimeOutKeepsTheLinkTwoMinutesAndHandsAnEarlyEndToTheEndScreen)
{
    openIGONWarn(CauseId::TIMEOUT_CONTROL);
    time.advance(100);
    EXPECT_TRUE(store->isCloseTimerValid());
    unit.reset();
    time.advance(0.5);
    const auto warn = top<WarnViewController>();
    ASSERT_TRUE(warn);
    EXPECT_EQ(warn->inAppWarningKind, InAppWarningKind::disconnectAtIGONWarn);
    EXPECT_TRUE(logs.contains("Detect Disconnect"));
}

TEST_F(EndScreensTest, AControlTimeOutWhoseCloseTimesOutShowsOneEndScreenAndRecordsTheReasonOnce)
{
    openIGONWarn(CauseId::TIMEOUT_CONTROL);
    const size_t before = screens();
    time.advance(119.9);
    EXPECT_EQ(screens(), before);
    time.advance(0.2);
    time.runUntilIdle();
    EXPECT_EQ(screens(), before + 1);
    const auto warn = top<WarnViewController>();
    ASSERT_TRUE(warn);
    EXPECT_EQ(warn->inAppWarningKind, InAppWarningKind::timeoutAtIGONWarn);
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::N001});
}

TEST_F(EndScreensTest, OtherIgnitionOnCausesNeitherCloseTheLinkNorFollowItsEnd)
{
    const auto screen = openIGONWarn(CauseId::SONAR_DART);
    EXPECT_FALSE(store->hasCloseTimer());
    time.advance(200);
    EXPECT_TRUE(store->isConnected());
    unit.reset();
    time.advance(1.0);
    EXPECT_EQ(top<IGONWarnViewController>(), screen);
    EXPECT_EQ(buttonOf(*screen->endButton), "absent");
}

TEST_F(EndScreensTest, OtherCausesWhoseCloseTimesOutOnTheIgnitionOnWarningShowTheClosedTimeOutWarning)
{
    openIGONWarn(CauseId::LOW_BATTERY);
    store->closeTimerStart(3.0, true);
    time.advance(3.1);
    time.runUntilIdle();
    const auto warn = top<WarnViewController>();
    ASSERT_TRUE(warn);
    EXPECT_EQ(warn->inAppWarningKind, InAppWarningKind::timedOutCloseTerminal);
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::N001});
}

TEST_F(EndScreensTest, TheFinalEndScreenAndTheBrakeTimeOutWarningLookAsStored)
{
    openWarn([](ITransitionManager& r) { r.showWarn(CauseId::VEHICLE_FAIL_OUT); });
    time.advance(10.5);
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "end-screen-final-vehicle-fail-out"));

    openIGONWarn(CauseId::BREAK_TIMEOUT);
    time.advance(0.5);
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "ignition-on-warning-break-timeout"));
}

} // namespace
} // namespace screen_testing
