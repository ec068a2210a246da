#pragma once

#include "Internal/Model/ObstacleDistance.h"
#include "Internal/Model/ObstaclePosition.h"

#include <cstdint>
#include <map>

namespace tolvane {

// The detection message: distance codes (_POS) and warning codes (_WRN) of the eight front and rear
// sonar sensors.
struct MekDetect {
    int64_t FR_POS = 0;
    int64_t FL_POS = 0;
    int64_t FR_WRN = 0;
    int64_t FRC_POS = 0;
    int64_t FLC_POS = 0;
    int64_t FL_WRN = 0;
    int64_t RR_POS = 0;
    int64_t RL_POS = 0;
    int64_t FRC_WRN = 0;
    int64_t RRC_POS = 0;
    int64_t RLC_POS = 0;
    int64_t FLC_WRN = 0;
    int64_t RR_WRN = 0;
    int64_t RL_WRN = 0;
    int64_t RRC_WRN = 0;
    int64_t RLC_WRN = 0;

    bool operator==(const MekDetect&) const = default;

    // Exactly the eight front and rear positions, NONE where nothing is near.
    std::map<ObstaclePosition, ObstacleDistance> obstacleDistance() const;
};

} // namespace tolvane
