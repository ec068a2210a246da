#include "TouchPointGate.h"

#include "ServiceRig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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

TEST(TouchPointGateTest, APointIsWrittenOnlyOnTheOperateScreenWithNothingInTheWay)
{
    const std::function<void(testing_support::ServiceRig&)> blockers[] = {
        [](testing_support::ServiceRig& rig) { rig.sdkStateData->isBackground().send(true); },
        [](testing_support::ServiceRig& rig) { rig.displayData->isDisplayOutsideSdkControl().send(true); },
        [](testing_support::ServiceRig& rig) { rig.displayData->isDisplayPopup().send(true); },
        [](testing_support::ServiceRig& rig) { rig.willArbitrateData->setIsInterrupt(true); },
        [](testing_support::ServiceRig& rig) { rig.displayData->updateDisplayId(RequiredDisplayId::RESUME); },
        [](testing_support::ServiceRig& rig) { rig.displayData->updateDisplayId(RequiredDisplayId::SENSING); },
    };
    const SmpOperation touched = testing_support::runningWith([](SmpOperation& r) {
        r.x = 12;
        r.y = 34;
        r.btn = BtSmpBtn::def;
    });
    const SmpOperation lifted = testing_support::runningWith([](SmpOperation& r) {
        r.x = r.y = 0;
        r.btn = BtSmpBtn::def;
    });
    for (size_t i = 0; i <= std::size(blockers); ++i) {
        SCOPED_TRACE(i);
        testing_support::ServiceRig rig;
        rig.writeRunningOperation();
        rig.displayData->updateDisplayId(RequiredDisplayId::OPERATE);
        if (i < std::size(blockers))
            blockers[i](rig);
        TouchPointGate gate(rig.sendingData, rig.sdkStateData, rig.displayData, rig.willArbitrateData);
        gate.setSendLocation(ui::Point{12.7, 34.2});
        EXPECT_EQ(rig.sendingData->written, std::vector{i < std::size(blockers) ? lifted : touched});
    }
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
