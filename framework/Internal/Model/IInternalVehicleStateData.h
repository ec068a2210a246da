#pragma once

#include "Internal/Model/ObstacleInfo.h"
#include "Internal/Model/OperateInfo.h"
#include "Internal/Model/PlanForwardBackwardInfo.h"
#include "Internal/Model/PlanParkInInfo.h"
#include "Internal/Model/PlanParkOutInfo.h"

#include <map>
#include <optional>
#include <vector>

namespace tolvane {

// Field-by-field updates: an absent value keeps the field; a present list, even an empty one,
// replaces the list whole.
struct PlanParkInInfoUpdate {
    std::optional<bool> obstacle = std::nullopt;
    std::optional<MoveParkInDirection> moveDirection = std::nullopt;
    std::optional<PlanParkInDirection> recommendedDirection = std::nullopt;
};

struct PlanParkOutInfoUpdate {
    std::optional<MoveParkOutDirection> moveDirection = std::nullopt;
    std::optional<std::vector<PlanParkOutDirection>> controllableDirections = std::nullopt;
};

struct PlanForwardBackwardInfoUpdate {
    std::optional<bool> obstacle = std::nullopt;
    std::optional<std::vector<PlanForwardBackwardDirection>> controllableDirections = std::nullopt;
    std::optional<PlanForwardBackwardDirection> recommendedDirection = std::nullopt;
};

struct OperateInfoUpdate {
    std::optional<OperateDirection> operateDirection = std::nullopt;
    std::optional<int64_t> remainDistance = std::nullopt;
    std::optional<OperateReq> operateInterruptReq = std::nullopt;
    std::optional<OperateReq> operateFinishReq = std::nullopt;
    std::optional<OperateReq> operateDirectionSwitchReq = std::nullopt;
};

// The given distances are merged into the map (positions are never removed); a present list of
// moving objects replaces the current one.
struct ObstacleInfoUpdate {
    std::optional<std::map<ObstaclePosition, ObstacleDistance>> obstacles = std::nullopt;
    std::optional<std::vector<MovesPosition>> moves = std::nullopt;
};

class IInternalVehicleStateData {
public:
    virtual ~IInternalVehicleStateData() = default;
    virtual PlanParkInInfo getPlanParkInInfo() const = 0;
    virtual PlanParkOutInfo getPlanParkOutInfo() const = 0;
    virtual PlanForwardBackwardInfo getPlanForwardBackwardInfo() const = 0;
    virtual OperateInfo getOperateInfo() const = 0;
    virtual ObstacleInfo getObstacleInfo() const = 0;
    // Present only during a forward/backward operation.
    virtual std::optional<bool> isFowabackDisruption() const = 0;
    // Each update sends the merged record, also when nothing changed.
    virtual void updatePlanParkInInfo(const PlanParkInInfoUpdate& update) = 0;
    virtual void updatePlanParkOutInfo(const PlanParkOutInfoUpdate& update) = 0;
    virtual void updatePlanForwardBackwardInfo(const PlanForwardBackwardInfoUpdate& update) = 0;
    virtual void updateOperateInfo(const OperateInfoUpdate& update) = 0;
    virtual void updateObstacleInfo(const ObstacleInfoUpdate& update) = 0;
    // Stores the flag, an absent one too; publishes nothing.
    virtual void updateIsFowabackDisruption(std::optional<bool> isFowabackDisruption) = 0;
    // Sends the default record on each of the five publishers, in order, and clears the flag.
    virtual void initParam() = 0;
};

} // namespace tolvane
