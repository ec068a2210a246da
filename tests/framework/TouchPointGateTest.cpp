#include "TouchPointGate.h"

#include "ServiceRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace tolvane;

TEST(TouchPointGateTest, OnlyFiniteCoordinatesFromZeroUpToBelow2To32CanBeSent)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, bool> cases[] = {
        {0.0, true},   {1000.9, true}, {4294967295.99, true}, {4294967296.0, false}, {-0.5, false},
        {inf, false}, {-inf, false},  {std::nan(""), false},
    };
    for (const auto& [value, sendable] : cases)
        EXPECT_EQ(TouchPointGate::isSendableCoordinate(value), sendable) << value;
}

TEST(TouchPointGateTest, APointThatCannotBeSentWritesTheOrigin)
{
    testing_support::ServiceRig rig;
    rig.displayData->updateDisplayId(RequiredDisplayId::OPERATE);
    TouchPointGate gate(rig.sendingData, rig.sdkStateData, rig.displayData, rig.willArbitrateData);
    gate.setSendLocation(ui::Point{1000.9, 1.2});
    gate.setSendLocation(ui::Point{std::nan(""), 5});
    gate.setSendLocation(ui::Point{5, -std::numeric_limits<double>::infinity()});
    gate.setSendLocation(std::nullopt);
    EXPECT_EQ(rig.sendingData->written, (std::vector{SmpOperation{.x = 1000, .y = 1}, SmpOperation{},
                                                     SmpOperation{}, SmpOperation{}}));
}

} // namespace
