#include "Internal/Model/VehicleStateData.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::Recorder;

const PlanParkInInfo kDefaultParkIn{false, MoveParkInDirection::PARALLEL_BACKWARD, PlanParkInDirection::LEFT};
const PlanParkOutInfo kDefaultParkOut{MoveParkOutDirection::PARALLEL, {}};
const PlanForwardBackwardInfo kDefaultForwardBackward{false, {}, PlanForwardBackwardDirection::BACKWARD};
const OperateInfo kDefaultOperate{OperateDirection::FORWARD, 0, OperateReq::HIDDEN, OperateReq::HIDDEN, OperateReq::HIDDEN};

std::map<ObstaclePosition, ObstacleDistance> allSensorsAt(ObstacleDistance distance)
{
    std::map<ObstaclePosition, ObstacleDistance> map;
    for (int position = 0; position <= static_cast<int>(ObstaclePosition::REAR_RIGHT_SIDE); ++position)
        map[static_cast<ObstaclePosition>(position)] = distance;
    return map;
}

class VehicleStateDataTest : public testing::Test {
protected:
    VehicleStateData store;
    Recorder<PlanParkInInfo> parkIn{store.planParkInInfo()};
    Recorder<PlanParkOutInfo> parkOut{store.planParkOutInfo()};
    Recorder<PlanForwardBackwardInfo> forwardBackward{store.planForwardBackwardInfo()};
    Recorder<OperateInfo> operate{store.operateInfo()};
    Recorder<ObstacleInfo> obstacles{store.obstacleInfo()};
};

TEST_F(VehicleStateDataTest, StartsWithTheDefaultRecordsAndPublishesNothing)
{
    EXPECT_EQ(store.getPlanParkInInfo(), kDefaultParkIn);
    EXPECT_EQ(store.getPlanParkOutInfo(), kDefaultParkOut);
    EXPECT_EQ(store.getPlanForwardBackwardInfo(), kDefaultForwardBackward);
    EXPECT_EQ(store.getOperateInfo(), kDefaultOperate);
    EXPECT_EQ(store.getObstacleInfo(), (ObstacleInfo{allSensorsAt(ObstacleDistance::NONE), {}}));
    EXPECT_EQ(store.isFowabackDisruption(), std::nullopt);
    EXPECT_TRUE(parkIn.values.empty() && parkOut.values.empty() && forwardBackward.values.empty() &&
                operate.values.empty() && obstacles.values.empty());
}

TEST_F(VehicleStateDataTest, UpdatesMergeFieldByFieldAndAlwaysPublish)
{
    store.updatePlanParkInInfo({});
    store.updatePlanParkInInfo({.obstacle = true});
    EXPECT_EQ(parkIn.values,
              (std::vector{kDefaultParkIn,
                           PlanParkInInfo{true, MoveParkInDirection::PARALLEL_BACKWARD, PlanParkInDirection::LEFT}}));

    store.updatePlanParkOutInfo({.controllableDirections = std::vector{PlanParkOutDirection::FORWARD}});
    store.updatePlanParkOutInfo({.moveDirection = MoveParkOutDirection::VERTICAL});
    store.updatePlanParkOutInfo({.controllableDirections = std::vector<PlanParkOutDirection>{}});
    EXPECT_EQ(parkOut.values,
              (std::vector<PlanParkOutInfo>{{MoveParkOutDirection::PARALLEL, {PlanParkOutDirection::FORWARD}},
                                            {MoveParkOutDirection::VERTICAL, {PlanParkOutDirection::FORWARD}},
                                            {MoveParkOutDirection::VERTICAL, {}}}));

    store.updatePlanForwardBackwardInfo({.recommendedDirection = PlanForwardBackwardDirection::FORWARD});
    EXPECT_EQ(forwardBackward.values,
              (std::vector<PlanForwardBackwardInfo>{{false, {}, PlanForwardBackwardDirection::FORWARD}}));

    store.updateOperateInfo({.operateDirection = OperateDirection::BACKWARD_LEFT, .operateInterruptReq = OperateReq::ENABLE});
    store.updateOperateInfo({.remainDistance = 120});
    EXPECT_EQ(operate.values.back(), (OperateInfo{OperateDirection::BACKWARD_LEFT, 120, OperateReq::ENABLE,
                                                  OperateReq::HIDDEN, OperateReq::HIDDEN}));
    EXPECT_EQ(operate.values.size(), 2u);
}

TEST_F(VehicleStateDataTest, ObstacleDistancesMergeAndMovingObjectsAreReplaced)
{
    store.updateObstacleInfo({.moves = std::vector{MovesPosition::FRONT_CENTER}});
    store.updateObstacleInfo({.obstacles = std::map{std::pair{ObstaclePosition::FRONT_LEFT, ObstacleDistance::SHORT}}});
    auto expected = allSensorsAt(ObstacleDistance::NONE);
    expected[ObstaclePosition::FRONT_LEFT] = ObstacleDistance::SHORT;
    EXPECT_EQ(obstacles.values.back(), (ObstacleInfo{expected, {MovesPosition::FRONT_CENTER}}));

    store.updateObstacleInfo({.moves = std::vector<MovesPosition>{}});
    EXPECT_EQ(obstacles.values.back(), (ObstacleInfo{expected, {}}));
    EXPECT_EQ(obstacles.values.size(), 3u);
}

TEST_F(VehicleStateDataTest, TheDisruptionFlagIsStoredWithoutPublishing)
{
    store.updateIsFowabackDisruption(true);
    EXPECT_EQ(store.isFowabackDisruption(), true);
    store.updateIsFowabackDisruption(std::nullopt);
    EXPECT_EQ(store.isFowabackDisruption(), std::nullopt);
    EXPECT_TRUE(operate.values.empty());
}

TEST_F(VehicleStateDataTest, AResetSendsEveryDefaultRecordOnce)
{
    store.updatePlanParkInInfo({.moveDirection = MoveParkInDirection::VERTICAL});
    store.updateObstacleInfo({.obstacles = allSensorsAt(ObstacleDistance::MIDDLE), .moves = std::vector{MovesPosition::REAR_CENTER}});
    store.updateIsFowabackDisruption(false);
    store.initParam();
    EXPECT_EQ(parkIn.values.back(), kDefaultParkIn);
    EXPECT_EQ(parkIn.values.size(), 2u);
    EXPECT_EQ(parkOut.values, std::vector{kDefaultParkOut});
    EXPECT_EQ(forwardBackward.values, std::vector{kDefaultForwardBackward});
    EXPECT_EQ(operate.values, std::vector{kDefaultOperate});
    EXPECT_EQ(obstacles.values.back(), (ObstacleInfo{allSensorsAt(ObstacleDistance::NONE), {}}));
    EXPECT_EQ(store.getPlanParkInInfo(), kDefaultParkIn);
    EXPECT_EQ(store.isFowabackDisruption(), std::nullopt);
}

} // namespace
