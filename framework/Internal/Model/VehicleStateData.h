#pragma once

#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/IVehicleStateData.h"
#include "rx/Subject.h"

namespace tolvane {

class VehicleStateData final : public IVehicleStateData, public IInternalVehicleStateData {
public:
    VehicleStateData();

    rx::Publisher<PlanParkInInfo> planParkInInfo() const override;
    rx::Publisher<PlanParkOutInfo> planParkOutInfo() const override;
    rx::Publisher<PlanForwardBackwardInfo> planForwardBackwardInfo() const override;
    rx::Publisher<OperateInfo> operateInfo() const override;
    rx::Publisher<ObstacleInfo> obstacleInfo() const override;

    PlanParkInInfo getPlanParkInInfo() const override;
    PlanParkOutInfo getPlanParkOutInfo() const override;
    PlanForwardBackwardInfo getPlanForwardBackwardInfo() const override;
    OperateInfo getOperateInfo() const override;
    ObstacleInfo getObstacleInfo() const override;
    std::optional<bool> isFowabackDisruption() const override;
    void updatePlanParkInInfo(const PlanParkInInfoUpdate& update) override;
    void updatePlanParkOutInfo(const PlanParkOutInfoUpdate& update) override;
    void updatePlanForwardBackwardInfo(const PlanForwardBackwardInfoUpdate& update) override;
    void updateOperateInfo(const OperateInfoUpdate& update) override;
    void updateObstacleInfo(const ObstacleInfoUpdate& update) override;
    void updateIsFowabackDisruption(std::optional<bool> isFowabackDisruption) override;
    void initParam() override;

private:
    rx::CurrentValueSubject<PlanParkInInfo> planParkInInfo_;
    rx::CurrentValueSubject<PlanParkOutInfo> planParkOutInfo_;
    rx::CurrentValueSubject<PlanForwardBackwardInfo> planForwardBackwardInfo_;
    rx::CurrentValueSubject<OperateInfo> operateInfo_;
    rx::CurrentValueSubject<ObstacleInfo> obstacleInfo_;
    std::optional<bool> isFowabackDisruption_;
};

} // namespace tolvane
