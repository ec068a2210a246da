#pragma once

#include "Internal/Model/ObstacleInfo.h"
#include "Internal/Model/OperateInfo.h"
#include "Internal/Model/PlanForwardBackwardInfo.h"
#include "Internal/Model/PlanParkInInfo.h"
#include "Internal/Model/PlanParkOutInfo.h"
#include "rx/Publisher.h"

namespace tolvane {

// The vehicle's plans, the running operation and the obstacles, as the application's screens show
// them. Each publisher delivers every record sent after subscribing, unchanged ones included.
class IVehicleStateData {
public:
    virtual ~IVehicleStateData() = default;
    virtual rx::Publisher<PlanParkInInfo> planParkInInfo() const = 0;
    virtual rx::Publisher<PlanParkOutInfo> planParkOutInfo() const = 0;
    virtual rx::Publisher<PlanForwardBackwardInfo> planForwardBackwardInfo() const = 0;
    virtual rx::Publisher<OperateInfo> operateInfo() const = 0;
    virtual rx::Publisher<ObstacleInfo> obstacleInfo() const = 0;
};

} // namespace tolvane
