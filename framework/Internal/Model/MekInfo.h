#pragma once

#include "Internal/Model/MovesPosition.h"
#include "Internal/Model/ObstacleDistance.h"
#include "Internal/Model/ObstaclePosition.h"

#include <cstdint>
#include <map>
#include <vector>

namespace tolvane {

// The information message: the states of the ten moving-object detectors (MV_) and the distance
// and warning codes of the four side sonar sensors.
struct MekInfo {
    int64_t MV_FL = 0;
    int64_t MV_FR = 0;
    int64_t MV_RL = 0;
    int64_t MV_RR = 0;
    int64_t MV_FLS = 0;
    int64_t MV_FRS = 0;
    int64_t MV_RLS = 0;
    int64_t MV_RRS = 0;
    int64_t MV_FC = 0;
    int64_t MV_RC = 0;
    int64_t FRS_POS = 0;
    int64_t FLS_POS = 0;
    int64_t FRS_WRN = 0;
    int64_t RRS_POS = 0;
    int64_t RLS_POS = 0;
    int64_t FLS_WRN = 0;
    int64_t RRS_WRN = 0;
    int64_t RLS_WRN = 0;

    bool operator==(const MekInfo&) const = default;

    // Exactly the four side positions, NONE where nothing is near.
    std::map<ObstaclePosition, ObstacleDistance> obstacleDistance() const;
    // The detectors that are on, in the order of MovesPosition; flashing ones do not count.
    std::vector<MovesPosition> movesPosition() const;
};

} // namespace tolvane
