#pragma once

#include "Internal/Model/ObstacleDistance.h"
#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Three-bit distance code of a sonar sensor.
#define TOLVANE_DETECT_DISTANCES(X) \
    X(hide, 0) \
    X(undetected, 1) \
    X(mostShort, 2) \
    X(short_, 3) \
    X(middle, 4) \
    X(long_, 5) \
    X(mostLong, 6) \
    X(undefined, 7)

enum class DetectDistance : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_DETECT_DISTANCES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

// What the application is shown for a sensor's distance code: hidden, undetected, undefined and
// unknown codes all read as no obstacle.
ObstacleDistance obstacleDetectionPositionDistance(int64_t code);

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::DetectDistance> {
    using E = tolvane::DetectDistance;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_DETECT_DISTANCES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
