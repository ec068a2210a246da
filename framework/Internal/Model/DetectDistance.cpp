#include "Internal/Model/DetectDistance.h"

namespace tolvane {

ObstacleDistance obstacleDetectionPositionDistance(int64_t code)
{
    switch (foundation::fromRaw<DetectDistance>(code).value_or(DetectDistance::undefined)) {
    case DetectDistance::mostShort:
        return ObstacleDistance::MOST_SHORT;
    case DetectDistance::short_:
        return ObstacleDistance::SHORT;
    case DetectDistance::middle:
        return ObstacleDistance::MIDDLE;
    case DetectDistance::long_:
        return ObstacleDistance::LONG;
    case DetectDistance::mostLong:
        return ObstacleDistance::MOST_LONG;
    case DetectDistance::hide:
    case DetectDistance::undetected:
    case DetectDistance::undefined:
        return ObstacleDistance::NONE;
    }
    return ObstacleDistance::NONE;
}

} // namespace tolvane
