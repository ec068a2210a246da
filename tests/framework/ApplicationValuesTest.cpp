#include "Internal/Model/ObstacleInfo.h"
#include "Internal/Model/OperateInfo.h"
#include "Internal/Model/PlanForwardBackwardInfo.h"
#include "Internal/Model/PlanParkInInfo.h"
#include "Internal/Model/PlanParkOutInfo.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;

TEST(ApplicationValuesTest, ObstacleMapsCompareByContentAndMovesByOrder)
{
    std::map<ObstaclePosition, ObstacleDistance> inOrder;
    inOrder[ObstaclePosition::FRONT_LEFT] = ObstacleDistance::SHORT;
    inOrder[ObstaclePosition::REAR_RIGHT] = ObstacleDistance::NONE;
    std::map<ObstaclePosition, ObstacleDistance> reversed;
    reversed[ObstaclePosition::REAR_RIGHT] = ObstacleDistance::NONE;
    reversed[ObstaclePosition::FRONT_LEFT] = ObstacleDistance::SHORT;
    const std::vector<MovesPosition> moves = {MovesPosition::FRONT_LEFT, MovesPosition::REAR_LEFT};
    const std::vector<MovesPosition> swapped = {MovesPosition::REAR_LEFT, MovesPosition::FRONT_LEFT};

    EXPECT_EQ((ObstacleInfo{inOrder, moves}), (ObstacleInfo{reversed, moves}));
    EXPECT_NE((ObstacleInfo{inOrder, moves}), (ObstacleInfo{inOrder, swapped}));
    reversed[ObstaclePosition::REAR_RIGHT] = ObstacleDistance::MOST_SHORT;
    EXPECT_NE((ObstacleInfo{inOrder, moves}), (ObstacleInfo{reversed, moves}));
}

TEST(ApplicationValuesTest, PlansWithTheSameDirectionsInAnotherOrderDiffer)
{
    using P = PlanParkOutDirection;
    const PlanParkOutInfo plan{MoveParkOutDirection::PARALLEL, {P::FORWARD, P::BACKWARD}};
    EXPECT_EQ(plan, (PlanParkOutInfo{MoveParkOutDirection::PARALLEL, {P::FORWARD, P::BACKWARD}}));
    EXPECT_NE(plan, (PlanParkOutInfo{MoveParkOutDirection::PARALLEL, {P::BACKWARD, P::FORWARD}}));
    EXPECT_NE(plan, (PlanParkOutInfo{MoveParkOutDirection::VERTICAL, {P::FORWARD, P::BACKWARD}}));
    EXPECT_NE(plan, (PlanParkOutInfo{MoveParkOutDirection::PARALLEL, {}}));

    using F = PlanForwardBackwardDirection;
    const PlanForwardBackwardInfo forward{false, {F::FORWARD, F::BACKWARD}, F::FORWARD};
    EXPECT_EQ(forward, (PlanForwardBackwardInfo{false, {F::FORWARD, F::BACKWARD}, F::FORWARD}));
    EXPECT_NE(forward, (PlanForwardBackwardInfo{false, {F::BACKWARD, F::FORWARD}, F::FORWARD}));
    EXPECT_NE(forward, (PlanForwardBackwardInfo{true, {F::FORWARD, F::BACKWARD}, F::FORWARD}));
    EXPECT_NE(forward, (PlanForwardBackwardInfo{false, {}, F::FORWARD}));
    EXPECT_NE(forward, (PlanForwardBackwardInfo{false, {F::FORWARD, F::BACKWARD}, F::BACKWARD}));
}

TEST(ApplicationValuesTest, EveryFieldTakesPartInEquality)
{
    const PlanParkInInfo parkIn{false, MoveParkInDirection::VERTICAL, PlanParkInDirection::LEFT};
    EXPECT_EQ(parkIn, (PlanParkInInfo{false, MoveParkInDirection::VERTICAL, PlanParkInDirection::LEFT}));
    EXPECT_NE(parkIn, (PlanParkInInfo{true, MoveParkInDirection::VERTICAL, PlanParkInDirection::LEFT}));
    EXPECT_NE(parkIn, (PlanParkInInfo{false, MoveParkInDirection::PARALLEL_FORWARD, PlanParkInDirection::LEFT}));
    EXPECT_NE(parkIn, (PlanParkInInfo{false, MoveParkInDirection::VERTICAL, PlanParkInDirection::RIGHT}));

    using R = OperateReq;
    const OperateInfo operate{OperateDirection::FORWARD, 80, R::DISABLE, R::HIDDEN, R::HIDDEN};
    EXPECT_EQ(operate, (OperateInfo{OperateDirection::FORWARD, 80, R::DISABLE, R::HIDDEN, R::HIDDEN}));
    EXPECT_NE(operate, (OperateInfo{OperateDirection::FORWARD, 79, R::DISABLE, R::HIDDEN, R::HIDDEN}));
    EXPECT_NE(operate, (OperateInfo{OperateDirection::BACKWARD, 80, R::DISABLE, R::HIDDEN, R::HIDDEN}));
    EXPECT_NE(operate, (OperateInfo{OperateDirection::FORWARD, 80, R::ENABLE, R::HIDDEN, R::HIDDEN}));
    EXPECT_NE(operate, (OperateInfo{OperateDirection::FORWARD, 80, R::DISABLE, R::ENABLE, R::HIDDEN}));
    EXPECT_NE(operate, (OperateInfo{OperateDirection::FORWARD, 80, R::DISABLE, R::HIDDEN, R::ENABLE}));
}

} // namespace
