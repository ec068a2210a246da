#include "Internal/Model/VehicleStateData.h"

namespace tolvane {
namespace {

const PlanParkInInfo kDefaultPlanParkInInfo{
    .obstacle = false,
    .moveDirection = MoveParkInDirection::PARALLEL_BACKWARD,
    .recommendedDirection = PlanParkInDirection::LEFT,
};

const PlanParkOutInfo kDefaultPlanParkOutInfo{
    .moveDirection = MoveParkOutDirection::PARALLEL,
    .controllableDirections = {},
};

const PlanForwardBackwardInfo kDefaultPlanForwardBackwardInfo{
    .obstacle = false,
    .controllableDirections = {},
    .recommendedDirection = PlanForwardBackwardDirection::BACKWARD,
};

const OperateInfo kDefaultOperateInfo{
    .operateDirection = OperateDirection::FORWARD,
    .remainDistance = 0,
    .operateInterruptReq = OperateReq::HIDDEN,
    .operateFinishReq = OperateReq::HIDDEN,
    .operateDirectionSwitchReq = OperateReq::HIDDEN,
};

// Every sensor is in the map from the start, reporting nothing.
ObstacleInfo defaultObstacleInfo()
{
    ObstacleInfo info;
    for (auto position : foundation::allCases<ObstaclePosition>())
        info.obstacles[position] = ObstacleDistance::NONE;
    return info;
}

} // namespace

VehicleStateData::VehicleStateData()
    : planParkInInfo_(kDefaultPlanParkInInfo), planParkOutInfo_(kDefaultPlanParkOutInfo),
      planForwardBackwardInfo_(kDefaultPlanForwardBackwardInfo), operateInfo_(kDefaultOperateInfo),
      obstacleInfo_(defaultObstacleInfo())
{
}

rx::Publisher<PlanParkInInfo> VehicleStateData::planParkInInfo() const
{
    return planParkInInfo_.publisher().dropFirst();
}

rx::Publisher<PlanParkOutInfo> VehicleStateData::planParkOutInfo() const
{
    return planParkOutInfo_.publisher().dropFirst();
}

rx::Publisher<PlanForwardBackwardInfo> VehicleStateData::planForwardBackwardInfo() const
{
    return planForwardBackwardInfo_.publisher().dropFirst();
}

rx::Publisher<OperateInfo> VehicleStateData::operateInfo() const
{
    return operateInfo_.publisher().dropFirst();
}

rx::Publisher<ObstacleInfo> VehicleStateData::obstacleInfo() const
{
    return obstacleInfo_.publisher().dropFirst();
}

PlanParkInInfo VehicleStateData::getPlanParkInInfo() const
{
    return planParkInInfo_.value();
}

PlanParkOutInfo VehicleStateData::getPlanParkOutInfo() const
{
    return planParkOutInfo_.value();
}

PlanForwardBackwardInfo VehicleStateData::getPlanForwardBackwardInfo() const
{
    return planForwardBackwardInfo_.value();
}

OperateInfo VehicleStateData::getOperateInfo() const
{
    return operateInfo_.value();
}

ObstacleInfo VehicleStateData::getObstacleInfo() const
{
    return obstacleInfo_.value();
}

std::optional<bool> VehicleStateData::isFowabackDisruption() const
{
    return isFowabackDisruption_;
}

void VehicleStateData::updatePlanParkInInfo(const PlanParkInInfoUpdate& update)
{
    const PlanParkInInfo current = planParkInInfo_.value();
    planParkInInfo_.send({
        .obstacle = update.obstacle.value_or(current.obstacle),
        .moveDirection = update.moveDirection.value_or(current.moveDirection),
        .recommendedDirection = update.recommendedDirection.value_or(current.recommendedDirection),
    });
}

void VehicleStateData::updatePlanParkOutInfo(const PlanParkOutInfoUpdate& update)
{
    const PlanParkOutInfo current = planParkOutInfo_.value();
    planParkOutInfo_.send({
        .moveDirection = update.moveDirection.value_or(current.moveDirection),
        .controllableDirections = update.controllableDirections.value_or(current.controllableDirections),
    });
}

void VehicleStateData::updatePlanForwardBackwardInfo(const PlanForwardBackwardInfoUpdate& update)
{
    const PlanForwardBackwardInfo current = planForwardBackwardInfo_.value();
    planForwardBackwardInfo_.send({
        .obstacle = update.obstacle.value_or(current.obstacle),
        .controllableDirections = update.controllableDirections.value_or(current.controllableDirections),
        .recommendedDirection = update.recommendedDirection.value_or(current.recommendedDirection),
    });
}

void VehicleStateData::updateOperateInfo(const OperateInfoUpdate& update)
{
    const OperateInfo current = operateInfo_.value();
    operateInfo_.send({
        .operateDirection = update.operateDirection.value_or(current.operateDirection),
        .remainDistance = update.remainDistance.value_or(current.remainDistance),
        .operateInterruptReq = update.operateInterruptReq.value_or(current.operateInterruptReq),
        .operateFinishReq = update.operateFinishReq.value_or(current.operateFinishReq),
        .operateDirectionSwitchReq = update.operateDirectionSwitchReq.value_or(current.operateDirectionSwitchReq),
    });
}

void VehicleStateData::updateObstacleInfo(const ObstacleInfoUpdate& update)
{
    ObstacleInfo info = obstacleInfo_.value();
    if (update.obstacles)
        for (const auto& [position, distance] : *update.obstacles)
            info.obstacles[position] = distance;
    if (update.moves)
        info.moves = *update.moves;
    obstacleInfo_.send(info);
}

void VehicleStateData::updateIsFowabackDisruption(std::optional<bool> isFowabackDisruption)
{
    isFowabackDisruption_ = isFowabackDisruption;
}

void VehicleStateData::initParam()
{
    // Every field is replaced and no sensor is ever removed from the map, so sending the defaults is
    // what updating every field to its default would send.
    planParkInInfo_.send(kDefaultPlanParkInInfo);
    planParkOutInfo_.send(kDefaultPlanParkOutInfo);
    planForwardBackwardInfo_.send(kDefaultPlanForwardBackwardInfo);
    operateInfo_.send(kDefaultOperateInfo);
    obstacleInfo_.send(defaultObstacleInfo());
    updateIsFowabackDisruption(std::nullopt);
}

} // namespace tolvane
