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
    } cases[] = {
        {ScenarioKind::parkIn, BtMekDspId::sel_parkin_vertical, BtMekDspId::controlling_inpark, BtMekDspId::parkin_comp, true},
        {ScenarioKind::parkOut, BtMekDspId::sel_parkout_vertical, BtMekDspId::controlling_outpark,
         BtMekDspId::parkout_comp, false},
        {ScenarioKind::forwardBackward, BtMekDspId::sel_forward_backward, BtMekDspId::controlling_fowaback,
         BtMekDspId::arrival, false},
    };
    for (const auto& c : cases) {
        Manoeuvre car(c.kind, 1);
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
