#include "SimulatedLink.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/DataController.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/View/BaseUINavigationController.h"
#include "Class/UI/Base/View/InteruptCustomAlertController.h"
#include "Class/UI/IGONWarn/View/IGONWarnViewController.h"
#include "Class/UI/Warn/View/WarnViewController.h"

#include "ISlideViewModel.h"
#include "Internal/Model/IDisplayModel.h"
#include "Internal/Model/IUserOperationModel.h"
#include "TolvaneFramework.h"

#include "di/Assembly.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/StoryboardRegistry.h"
#include "ui/Window.h"

#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

using namespace tolvane;
using namespace tolvane::app;
using K = UserOperationKind;

// The history store of this process lives in a folder of its own, never in the user's.
const QTemporaryDir& dataFolder()
{
    static const QTemporaryDir folder;
    setenv("TOLVANE_DATA_DIR", folder.path().toUtf8().constData(), 1);
    return folder;
}

// The whole application over the framework's own services, linked to the simulated unit: the
// screens follow the vehicle as they do on a phone.
class WarnEndToEndTest : public endtoend::SimulatedLink {
protected:
    explicit WarnEndToEndTest(int distance = vehiclesim::Manoeuvre::START_DISTANCE) : SimulatedLink(distance)
    {
        dataFolder();
        di::Assembler({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(), std::make_shared<ModelDataAssembly>()},
                      container);
        openLink();
        stack = std::make_shared<BaseUINavigationController>(ui::StoryboardRegistry::shared().instantiateInitialViewController("PreConfirmation"));
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        time.runUntilIdle();
        historyId = DataController::shared().insertHistory();
        currentHistoryId().set(historyId);
        EventStack::shared().setStack({});
    }
    ~WarnEndToEndTest() override
    {
        currentHistoryId().set({});
        TolvaneIntegrationAppHelper::shared().navigationController.reset();
        window->setRootViewController(nullptr);
        time.runUntilIdle();
    }

    std::shared_ptr<WarnViewController> shownWarn() const
    {
        return std::dynamic_pointer_cast<WarnViewController>(stack->viewControllers().back());
    }

    // The pop-up the screen on top shows, if any.
    InteruptCustomAlertController* shownPopup() const
    {
        return dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
    }

    std::string historyEventCode() const
    {
        for (const auto& row : DataController::shared().fetchAllHistories())
            if (row.id == historyId)
                return row.eventCode;
        return "(no row)";
    }

    // Links, starts parking in to the left and holds the slider for a second.
    std::shared_ptr<ISlideViewModel> holdParkingIn()
    {
        auto router = di::resolveOrDie<ITransitionManager>(container);
        auto display = di::resolveOrDie<IDisplayModel>(container);
        auto user = di::resolveOrDie<IUserOperationModel>(container);
        auto slide = di::resolveOrDie<ISlideViewModel>(container);
        connect();
        router->showConnecting();
        display->notifyWaitingConnectConfirm();
        time.advance(0.5);
        user->notifyUserOperation(K::REQ_START_TOLVANE{});
        time.advance(0.5);
        user->notifyUserOperation(K::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::LEFT});
        time.advance(0.5);
        slide->onTap(true);
        time.advance(1.0);
        return slide;
    }

    TolvaneFramework framework;
    di::Container& container = di::Container::defaultContainer();
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<BaseUINavigationController> stack;
    std::string historyId;
};

TEST_F(WarnEndToEndTest, ACarThatFailsMidManoeuvreEndsOnTheEndScreenClosesTheLinkAndTheRunsHistoryRow)
{
    auto slide = holdParkingIn();
    ASSERT_LT(unit->manoeuvre().remainingDistance(), vehiclesim::Manoeuvre::START_DISTANCE) << "the car is moving";

    unit->interrupt(*vehiclesim::interruptionFor(vehiclesim::InterruptionKind::stop, "VEHICLE_FAIL_OUT"));
    time.advance(0.5);
    auto warn = shownWarn();
    ASSERT_TRUE(warn);
    EXPECT_EQ(warn->causeId, CauseId::VEHICLE_FAIL_OUT);
    EXPECT_EQ(warn->titleLabel->text(), "Exiting... \nPlease wait");
    EXPECT_TRUE(store->isConnected());

    slide->onTap(false);
    time.advance(10.0);
    EXPECT_EQ(warn->processingCompletedMessage->text(), "Please arrange a vehicle inspection at your local dealer");
    EXPECT_FALSE(warn->endBtn->isHidden());
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(unit->isConnected());
    EXPECT_EQ(historyEventCode(), "E010");
}

TEST_F(WarnEndToEndTest, ALinkDroppedWhileHoldingHaltsTheCarAndTheNewLinkGetsNoHeldFrame)
{
    auto slide = holdParkingIn();
    ASSERT_TRUE(unit->manoeuvre().isHeld());

    unit->dropLink();
    time.advance(0.1);
    ASSERT_TRUE(unit->isConnected()) << "the unit came back and was reopened";
    const size_t relinked = unit->received().size();
    time.advance(8.0);
    const auto received = unit->received();
    for (size_t i = relinked; i < received.size(); ++i) {
        if (received[i].operation) {
            EXPECT_EQ(received[i].operation->operation.x, 0u) << "frame " << i << " carries the old hold";
        }
    }
    EXPECT_FALSE(unit->manoeuvre().isHeld());
    EXPECT_NE(unit->manoeuvre().phase(), vehiclesim::Manoeuvre::Phase::completed);
    slide->onTap(false);
}

// The car stops for the control time-out and keeps stopping for it: the run ends on one end screen,
// whether the link is dropped before the ignition-on warning gives up on it or kept until then.
struct ControlTimeOutCase {
    const char* name;
    bool dropsTheLink;
    foundation::Seconds wait;
    InAppWarningKind endScreen;
    const char* historyEventCode;
};

void PrintTo(const ControlTimeOutCase& c, std::ostream* out) { *out << c.name; }

class ControlTimeOutTest : public WarnEndToEndTest, public ::testing::WithParamInterface<ControlTimeOutCase> {
protected:
    size_t ignitionOnWarnings() const
    {
        return static_cast<size_t>(std::ranges::count_if(stack->viewControllers(), [](const auto& screen) {
            return std::dynamic_pointer_cast<IGONWarnViewController>(screen) != nullptr;
        }));
    }
};

TEST_P(ControlTimeOutTest, TheRunSettlesOnItsEndScreenWithNoNewWarningOverIt)
{
    auto slide = holdParkingIn();
    unit->interrupt(*vehiclesim::interruptionFor(vehiclesim::InterruptionKind::stop, "TIMEOUT_CONTROL"));
    time.advance(0.5);
    slide->onTap(false);
    ASSERT_TRUE(std::dynamic_pointer_cast<IGONWarnViewController>(stack->viewControllers().back()));

    if (GetParam().dropsTheLink)
        unit->dropLink();
    time.advance(GetParam().wait);
    const auto warn = shownWarn();
    ASSERT_TRUE(warn) << "no end screen";
    EXPECT_EQ(warn->inAppWarningKind, GetParam().endScreen);

    const size_t screens = stack->viewControllers().size();
    time.advance(300.0);
    EXPECT_EQ(stack->viewControllers().back(), warn) << "the end screen is covered";
    EXPECT_EQ(stack->viewControllers().size(), screens);
    EXPECT_EQ(ignitionOnWarnings(), 1u);
    EXPECT_FALSE(shownPopup());
    EXPECT_EQ(historyEventCode(), GetParam().historyEventCode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControlTimeOutTest,
    ::testing::Values(ControlTimeOutCase{"LinkDropped", true, 1.0, InAppWarningKind::disconnectAtIGONWarn, "E010"},
                      ControlTimeOutCase{"LinkKept", false, 120.5, InAppWarningKind::timeoutAtIGONWarn, "N001"}),
    [](const ::testing::TestParamInfo<ControlTimeOutCase>& info) { return std::string(info.param.name); });

// A fault of the unit while the finger is down: the phone's own watchdogs halt the car with a
// pop-up and end the run on the cause's end screen, whether or not the link itself stays up. A unit
// that stops reading is noticed once frames have waited 3 s for it; from then on its link counts as
// lost. While the halt is shown, the unit reads no held frame.
struct UnitFaultCase {
    const char* name;
    std::function<void(std::unique_ptr<vehiclesim::VehicleUnit>&)> fault;
    foundation::Seconds haltAfter;
    foundation::Seconds endAfterHalt;
    CauseId endCause;
    const char* endTitle;
};

void PrintTo(const UnitFaultCase& c, std::ostream* out) { *out << c.name; }

class UnitFaultTest : public WarnEndToEndTest, public ::testing::WithParamInterface<UnitFaultCase> {
protected:
    // A car that parks only after 100 s held: a shorter manoeuvre would end before the watchdogs do.
    UnitFaultTest() : WarnEndToEndTest(1000) {}

    // The frames the unit read since `from` that still carry the finger's position.
    std::vector<size_t> heldFramesReadSince(foundation::Seconds from) const
    {
        std::vector<size_t> held;
        if (!unit)
            return held;
        const auto received = unit->received();
        for (size_t i = 0; i < received.size(); ++i)
            if (received[i].time >= from && received[i].operation && received[i].operation->operation.x != 0)
                held.push_back(i);
        return held;
    }
};

TEST_P(UnitFaultTest, HaltsOnAPopupAndEndsOnTheCausesEndScreen)
{
    auto slide = holdParkingIn();
    ASSERT_TRUE(unit->manoeuvre().isHeld());

    GetParam().fault(unit);
    time.advance(GetParam().haltAfter - 0.2);
    EXPECT_FALSE(shownPopup()) << "nothing is said before the watchdog's time";
    time.advance(0.4);
    auto* popup = shownPopup();
    ASSERT_TRUE(popup) << "no halt pop-up " << GetParam().haltAfter + 0.2 << " s after the fault";
    EXPECT_EQ(popup->title(), "Unable to communicate with the vehicle");
    EXPECT_FALSE(shownWarn());
    // One frame may already be on its way when the pop-up opens.
    const foundation::Seconds halted = time.now();
    EXPECT_THAT(heldFramesReadSince(halted + 0.1), ::testing::IsEmpty()) << "held frames go on under the halt";

    time.advance(GetParam().endAfterHalt - 0.4);
    EXPECT_FALSE(shownWarn()) << "the end comes " << GetParam().endAfterHalt << " s after the halt";
    time.advance(0.4);
    auto warn = shownWarn();
    ASSERT_TRUE(warn) << "no end screen " << GetParam().endAfterHalt + 0.2 << " s after the halt";
    EXPECT_EQ(warn->causeId, GetParam().endCause);
    EXPECT_FALSE(shownPopup());
    EXPECT_THAT(heldFramesReadSince(halted + 0.1), ::testing::IsEmpty());
    slide->onTap(false);
    time.advance(12.0);
    EXPECT_EQ(warn->titleLabel->text(), GetParam().endTitle);
    EXPECT_EQ(historyEventCode(), "E010");
}

const char* const manualCompletion =
    "Tolvane canceled.\nPlease enter the vehicle with your smart key to manually complete the maneuver.";

INSTANTIATE_TEST_SUITE_P(
    Table, UnitFaultTest,
    ::testing::Values(
        UnitFaultCase{"GoneForGood", [](std::unique_ptr<vehiclesim::VehicleUnit>& unit) { unit.reset(); }, 3.0, 30.0,
                      CauseId::BT_LOSS, manualCompletion},
        UnitFaultCase{"LinkedButSilent",
                      [](std::unique_ptr<vehiclesim::VehicleUnit>& unit) { unit->setFault(vehiclesim::Fault::silence, true); },
                      3.0, 30.0, CauseId::BT_LOSS, manualCompletion},
        UnitFaultCase{"StoppedReading",
                      [](std::unique_ptr<vehiclesim::VehicleUnit>& unit) { unit->setFault(vehiclesim::Fault::stall, true); },
                      6.0, 30.0, CauseId::BT_LOSS, manualCompletion},
        // The counter counts as fixed from the first record that repeats it, one tick after the
        // fault, and the halt comes with the first record after 3.0 s of it.
        UnitFaultCase{"FrozenCounter",
                      [](std::unique_ptr<vehiclesim::VehicleUnit>& unit) { unit->setFault(vehiclesim::Fault::frozenCounter, true); },
                      3.2, 3.0, CauseId::COUNTER_ANOMALY, manualCompletion}),
    [](const ::testing::TestParamInfo<UnitFaultCase>& info) { return std::string(info.param.name); });

} // namespace
