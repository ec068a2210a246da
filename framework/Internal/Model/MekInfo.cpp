#include "Internal/Model/MekInfo.h"

#include "Internal/Model/BtMvState.h"
#include "Internal/Model/DetectDistance.h"

#include <utility>

namespace tolvane {

std::map<ObstaclePosition, ObstacleDistance> MekInfo::obstacleDistance() const
{
    return {
        {ObstaclePosition::FRONT_LEFT_SIDE, obstacleDetectionPositionDistance(FLS_POS)},
        {ObstaclePosition::FRONT_RIGHT_SIDE, obstacleDetectionPositionDistance(FRS_POS)},
        {ObstaclePosition::REAR_LEFT_SIDE, obstacleDetectionPositionDistance(RLS_POS)},
        {ObstaclePosition::REAR_RIGHT_SIDE, obstacleDetectionPositionDistance(RRS_POS)},
    };
}

std::vector<MovesPosition> MekInfo::movesPosition() const
{
    const std::pair<int64_t, MovesPosition> detectors[] = {
        {MV_FL, MovesPosition::FRONT_LEFT},        {MV_FR, MovesPosition::FRONT_RIGHT},
        {MV_RL, MovesPosition::REAR_LEFT},         {MV_RR, MovesPosition::REAR_RIGHT},
        {MV_FLS, MovesPosition::FRONT_LEFT_SIDE},  {MV_FRS, MovesPosition::FRONT_RIGHT_SIDE},
        {MV_RLS, MovesPosition::REAR_LEFT_SIDE},   {MV_RRS, MovesPosition::REAR_RIGHT_SIDE},
        {MV_FC, MovesPosition::FRONT_CENTER},      {MV_RC, MovesPosition::REAR_CENTER},
    };
    std::vector<MovesPosition> moves;
    for (const auto& [state, position] : detectors) {
        if (state == foundation::rawValue(BtMvState::on))
            moves.push_back(position);
    }
    return moves;
}

} // namespace tolvane
