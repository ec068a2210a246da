#include "Internal/Model/MekDetect.h"

#include "Internal/Model/DetectDistance.h"

namespace tolvane {

std::map<ObstaclePosition, ObstacleDistance> MekDetect::obstacleDistance() const
{
    return {
        {ObstaclePosition::FRONT_LEFT, obstacleDetectionPositionDistance(FL_POS)},
        {ObstaclePosition::FRONT_LEFT_CENTER, obstacleDetectionPositionDistance(FLC_POS)},
        {ObstaclePosition::FRONT_RIGHT, obstacleDetectionPositionDistance(FR_POS)},
        {ObstaclePosition::FRONT_RIGHT_CENTER, obstacleDetectionPositionDistance(FRC_POS)},
        {ObstaclePosition::REAR_LEFT, obstacleDetectionPositionDistance(RL_POS)},
        {ObstaclePosition::REAR_LEFT_CENTER, obstacleDetectionPositionDistance(RLC_POS)},
        {ObstaclePosition::REAR_RIGHT, obstacleDetectionPositionDistance(RR_POS)},
        {ObstaclePosition::REAR_RIGHT_CENTER, obstacleDetectionPositionDistance(RRC_POS)},
    };
}

} // namespace tolvane
