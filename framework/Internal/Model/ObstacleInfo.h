#pragma once

#include "Internal/Model/MovesPosition.h"
#include "Internal/Model/ObstacleDistance.h"
#include "Internal/Model/ObstaclePosition.h"

#include <map>
#include <vector>

namespace tolvane {

// Obstacles and moving objects around the car. The map compares by content; the list of moving
// objects compares in order.
struct ObstacleInfo {
    std::map<ObstaclePosition, ObstacleDistance> obstacles;
    std::vector<MovesPosition> moves;

    bool operator==(const ObstacleInfo&) const = default;
};

} // namespace tolvane
