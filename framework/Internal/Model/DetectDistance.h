#pragma once

#include "Internal/Model/ObstacleDistance.h"
#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Three-bit distance code of a sonar sensor.
enum class DetectDistance : uint8_t {
    hide = 0,
    undetected = 1,
    mostShort = 2,
    short_ = 3,
    middle = 4,
    long_ = 5,
    mostLong = 6,
    undefined = 7,
};

// What the application is shown for a sensor's distance code: hidden, undetected, undefined and
// unknown codes all read as no obstacle.
ObstacleDistance obstacleDetectionPositionDistance(int64_t code);

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::DetectDistance> {
    using E = tolvane::DetectDistance;
    static constexpr std::array all{E::hide,   E::undetected, E::mostShort, E::short_,
                                    E::middle, E::long_,      E::mostLong,  E::undefined};
};
