#include "vehicle-sim/Manoeuvre.h"

#include <gtest/gtest.h>

namespace {

using tolvane::BtMekDspId;
using tolvane::BtSmpAct;
using tolvane::BtSmpBtn;
using vehiclesim::Manoeuvre;
using vehiclesim::ScenarioKind;

tolvane::SmpOperation held() { return {.act = BtSmpAct::on, .x = 120, .y = 640}; }
// The finger lifted: the operation stays on, the touch point is gone.
tolvane::SmpOperation released() { return {.act = BtSmpAct::on}; }

TEST(ManoeuvreTest, CarMovesOnlyWhileTheControlIsHeldAndCompletesAtTheEnd)
{
    Manoeuvre car(ScenarioKind::parkIn, 3);
    car.step();
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::selecting);
    EXPECT_EQ(car.displayId(), BtMekDspId::sel_parkin_vertical);

    car.operationReceived(held());
    car.step();
    EXPECT_EQ(car.displayId(), BtMekDspId::controlling_inpark);
    EXPECT_EQ(car.remainingDistance(), 2);

    car.operationReceived(released());
    car.step();
    car.step();
    EXPECT_EQ(car.remainingDistance(), 2);
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::operating);

    car.operationReceived(held());
    car.step();
    car.step();
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::completed);
    EXPECT_EQ(car.displayId(), BtMekDspId::parkin_comp);
    EXPECT_EQ(car.controlStateRequest().MEKDIST, 0);
}

TEST(ManoeuvreTest, StartingWaitsOnThePlanAndAPointWithoutTheOperationOnIsNoHold)
{
    Manoeuvre car(ScenarioKind::parkIn, 3);
    car.operationReceived({.act = BtSmpAct::on, .btn = BtSmpBtn::start});
    car.step();
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::selecting);

    car.operationReceived({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress});
    car.step();
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::operating);
    EXPECT_FALSE(car.isHeld());
    EXPECT_EQ(car.remainingDistance(), 3);

    car.operationReceived({.act = BtSmpAct::off, .x = 120, .y = 640});
    car.step();
    EXPECT_FALSE(car.isHeld());
    EXPECT_EQ(car.remainingDistance(), 3);
}

TEST(ManoeuvreTest, EachScenarioHasItsOwnScreens)
{
    const struct {
        ScenarioKind kind;
        BtMekDspId selecting, operating, completed;
        // Only a parked-in car ends the session itself, a second after completing.
        bool endsSession;
        tolvane::BtIdtBtRq startRequest;
    } cases[] = {
        {ScenarioKind::parkIn, BtMekDspId::sel_parkin_vertical, BtMekDspId::controlling_inpark, BtMekDspId::parkin_comp, true,
         tolvane::BtIdtBtRq::parkInOrFowaback},
        {ScenarioKind::parkOut, BtMekDspId::sel_parkout_vertical, BtMekDspId::controlling_outpark,
         BtMekDspId::parkout_comp, false, tolvane::BtIdtBtRq::parkOut},
        {ScenarioKind::forwardBackward, BtMekDspId::sel_forward_backward, BtMekDspId::controlling_fowaback,
         BtMekDspId::arrival, false, tolvane::BtIdtBtRq::parkInOrFowaback},
    };
    for (const auto& c : cases) {
        Manoeuvre car(c.kind, 1);
        EXPECT_EQ(car.startRequest(), c.startRequest);
        EXPECT_EQ(car.displayId(), c.selecting);
        car.operationReceived({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress});
        EXPECT_EQ(car.displayId(), c.operating);
        car.operationReceived(held());
        car.step();
        EXPECT_EQ(car.displayId(), c.completed);
        for (int step = 1; step < 10; ++step)
            car.step();
        EXPECT_FALSE(car.endsSession());
        car.step();
        EXPECT_EQ(car.endsSession(), c.endsSession);
        EXPECT_EQ(vehiclesim::scenarioFromName(vehiclesim::scenarioName(c.kind)), c.kind);
    }
}

} // namespace

namespace {

using tolvane::BtSmpSelMd;

// The phone's message with a request in its button, the finger off the control.
tolvane::SmpOperation request(BtSmpBtn button) { return {.act = BtSmpAct::on, .btn = button}; }
// What the phone sends once the user has asked to interrupt: its own display id pinned to the
// background halt and the touch point cleared.
tolvane::SmpOperation interrupt() { return {.act = BtSmpAct::on, .disp = BtMekDspId::halt_background}; }

// A car that has started, moved a step and been let go.
Manoeuvre letGoAfterMoving(ScenarioKind kind, BtSmpSelMd plan = BtSmpSelMd::parkplan2, Manoeuvre::Timing timing = {})
{
    Manoeuvre car(kind, 5, timing);
    car.operationReceived({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress, .sel = plan});
    car.operationReceived(held());
    car.step();
    car.operationReceived(released());
    return car;
}

TEST(ManoeuvreTest, LetGoAfterMovingTheCarReportsTheOperationAsDisrupted)
{
    const struct {
        ScenarioKind kind;
        BtMekDspId disrupted;
    } cases[] = {
        {ScenarioKind::parkIn, BtMekDspId::controlling_inpark_operation_disruption},
        {ScenarioKind::parkOut, BtMekDspId::controlling_outpark_operation_disruption},
        {ScenarioKind::forwardBackward, BtMekDspId::controlling_fowaback_operation_disruption},
    };
    for (const auto& c : cases) {
        Manoeuvre car = letGoAfterMoving(c.kind);
        EXPECT_EQ(car.displayId(), c.disrupted);
        car.operationReceived(held());
        EXPECT_NE(car.displayId(), c.disrupted) << "held again, it operates";
    }
}

TEST(ManoeuvreTest, TheChosenPlanSetsTheMovingDirection)
{
    const struct {
        ScenarioKind kind;
        BtSmpSelMd plan;
        int64_t leftRight, forwardBackward;
    } cases[] = {
        {ScenarioKind::forwardBackward, BtSmpSelMd::parkplan2, 0, 1},
        {ScenarioKind::forwardBackward, BtSmpSelMd::parkplan5, 0, 2},
        {ScenarioKind::parkOut, BtSmpSelMd::parkplan1, 1, 1},
        {ScenarioKind::parkOut, BtSmpSelMd::parkplan3, 2, 1},
        {ScenarioKind::parkOut, BtSmpSelMd::parkplan6, 2, 2},
        // Parking in, the plan is the space, not a direction.
        {ScenarioKind::parkIn, BtSmpSelMd::parkplan5, 0, 1},
    };
    for (const auto& c : cases) {
        Manoeuvre car(c.kind);
        car.operationReceived({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress, .sel = c.plan});
        EXPECT_EQ(car.controlStateRequest().MEKLR, c.leftRight) << vehiclesim::scenarioName(c.kind);
        EXPECT_EQ(car.controlStateRequest().MEKFB, c.forwardBackward) << vehiclesim::scenarioName(c.kind);
    }
}

TEST(ManoeuvreTest, TheDirectionSwitchTurnsADisruptedForwardBackwardCarOnce)
{
    Manoeuvre car = letGoAfterMoving(ScenarioKind::forwardBackward);
    ASSERT_EQ(car.remainingDistance(), 4);
    for (int frame = 0; frame < 3; ++frame)
        car.operationReceived(request(BtSmpBtn::directionChange));
    EXPECT_EQ(car.controlStateRequest().MEKFB, 2) << "the switch turns the car backward, once";
    EXPECT_EQ(car.remainingDistance(), 5) << "the new direction's distance starts again";
    EXPECT_EQ(car.displayId(), BtMekDspId::controlling_fowaback);

    Manoeuvre parking = letGoAfterMoving(ScenarioKind::parkIn);
    EXPECT_TRUE(parking.operationReceived(request(BtSmpBtn::directionChange)));
    EXPECT_EQ(parking.controlStateRequest().MEKFB, 1) << "a parking car does not switch";
}

TEST(ManoeuvreTest, AnInterruptedCarAsksToResumeAndFollowsTheAnswer)
{
    const struct {
        const char* answer;
        BtSmpBtn button;
        BtMekDspId display;
    } cases[] = {
        {"resume", BtSmpBtn::restart, BtMekDspId::controlling_outpark_operation_disruption},
        {"end half-way", BtSmpBtn::endHalfway, BtMekDspId::arrival},
        {"end", BtSmpBtn::end, BtMekDspId::stop_user_self},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        Manoeuvre car = letGoAfterMoving(ScenarioKind::parkOut);
        car.operationReceived(interrupt());
        car.operationReceived(held());
        car.step();
        EXPECT_EQ(car.displayId(), BtMekDspId::resume);
        EXPECT_EQ(car.remainingDistance(), 4) << "an interrupted car stands";

        car.operationReceived(request(c.button));
        car.operationReceived(request(c.button));
        EXPECT_EQ(car.displayId(), c.display);
    }
}

TEST(ManoeuvreTest, TheResumedCarMovesWhenHeldAndIsNotInterruptedAgainByTheSamePinnedDisplay)
{
    Manoeuvre car = letGoAfterMoving(ScenarioKind::parkIn);
    car.operationReceived(interrupt());
    car.operationReceived({.act = BtSmpAct::on, .btn = BtSmpBtn::restart, .disp = BtMekDspId::halt_background});
    car.operationReceived({.act = BtSmpAct::on, .x = 120, .y = 640, .disp = BtMekDspId::halt_background});
    car.step();
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::operating);
    EXPECT_EQ(car.remainingDistance(), 3);
}

TEST(ManoeuvreTest, TheEndRequestStopsTheCarAtAnyTimeBeforeTheEnd)
{
    Manoeuvre selecting(ScenarioKind::parkIn);
    selecting.operationReceived(request(BtSmpBtn::end));
    EXPECT_EQ(selecting.displayId(), BtMekDspId::stop_user_self);

    Manoeuvre parked(ScenarioKind::parkIn, 1);
    parked.operationReceived(held());
    parked.step();
    parked.operationReceived(request(BtSmpBtn::end));
    EXPECT_EQ(parked.displayId(), BtMekDspId::parkin_comp) << "a parked car stays parked";

    // On the screen that asks the user to get in, the power button still ends the run.
    Manoeuvre endedHalfway = letGoAfterMoving(ScenarioKind::parkIn);
    endedHalfway.operationReceived(request(BtSmpBtn::endHalfway));
    ASSERT_EQ(endedHalfway.displayId(), BtMekDspId::arrival);
    endedHalfway.operationReceived(request(BtSmpBtn::end));
    EXPECT_EQ(endedHalfway.displayId(), BtMekDspId::stop_user_self);
}

TEST(ManoeuvreTest, AStartedCarSensesForItsTimeBeforeOfferingThePlan)
{
    Manoeuvre car(ScenarioKind::parkIn, 5, {.sensingSteps = 3, .sessionEndSteps = 10, .controlTimeoutSteps = std::nullopt});
    car.step();
    EXPECT_EQ(car.displayId(), BtMekDspId::sel_parkin_vertical) << "no sensing before the phone asks to start";
    car.operationReceived(request(BtSmpBtn::start));
    for (int step = 0; step < 2; ++step) {
        car.step();
        car.operationReceived(request(BtSmpBtn::start));
        EXPECT_EQ(car.displayId(), BtMekDspId::halt_btrestart);
    }
    car.step();
    EXPECT_EQ(car.displayId(), BtMekDspId::sel_parkin_vertical);

    Manoeuvre abandoned(ScenarioKind::parkIn, 5, {.sensingSteps = 300, .sessionEndSteps = 10, .controlTimeoutSteps = std::nullopt});
    abandoned.operationReceived(request(BtSmpBtn::start));
    abandoned.operationReceived({.act = BtSmpAct::off});
    EXPECT_EQ(abandoned.displayId(), BtMekDspId::sel_parkin_vertical) << "the phone's neutral message ends the sensing";
    abandoned.operationReceived(request(BtSmpBtn::start));
    EXPECT_EQ(abandoned.displayId(), BtMekDspId::halt_btrestart) << "a new start senses again";
}

TEST(ManoeuvreTest, ACarLetGoForItsControlTimeOutStops)
{
    Manoeuvre car = letGoAfterMoving(ScenarioKind::parkIn, BtSmpSelMd::parkplan2, {.controlTimeoutSteps = 3});
    car.step();
    car.step();
    car.operationReceived(held());
    car.step();
    car.operationReceived(released());
    car.step();
    car.step();
    EXPECT_EQ(car.phase(), Manoeuvre::Phase::operating) << "holding starts the count again";
    car.step();
    EXPECT_EQ(car.displayId(), BtMekDspId::stop_timeout_control);
    for (int step = 0; step < 20; ++step)
        car.step();
    EXPECT_FALSE(car.endsSession()) << "the user gets in and finishes by hand on the open link";
}

TEST(ManoeuvreTest, AParkedInOrTurnedOffCarKeepsTheSessionForItsTime)
{
    const struct {
        const char* road;
        tolvane::SmpOperation ending;
    } roads[] = {{"parked in", held()}, {"turned off", request(BtSmpBtn::end)}};
    for (const auto& road : roads) {
        for (const std::optional<int> sessionEndSteps : {std::optional<int>(150), std::optional<int>()}) {
            SCOPED_TRACE(road.road);
            Manoeuvre car(ScenarioKind::parkIn, 1, {.sensingSteps = 0, .sessionEndSteps = sessionEndSteps, .controlTimeoutSteps = std::nullopt});
            car.operationReceived(road.ending);
            if (!car.isOver())
                car.step();
            ASSERT_TRUE(car.isOver());
            for (int step = 1; step < 150; ++step)
                car.step();
            EXPECT_FALSE(car.endsSession());
            car.step();
            EXPECT_EQ(car.endsSession(), sessionEndSteps.has_value());
        }
    }
}

} // namespace
