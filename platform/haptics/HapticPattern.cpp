#include "haptics/HapticPattern.h"

#include <algorithm>
#include <cmath>

namespace haptics {
namespace {

bool isTimeValid(double seconds)
{
    return std::isfinite(seconds) && seconds >= 0.0;
}

bool isParameterValid(float value)
{
    return value >= 0.0f && value <= 1.0f; // false for NaN as well
}

bool isValid(const HapticEvent& event)
{
    return isTimeValid(event.relativeTime) && isTimeValid(event.duration) && isParameterValid(event.intensity)
        && isParameterValid(event.sharpness) && isParameterValid(event.sustained);
}

} // namespace

std::optional<HapticPattern> HapticPattern::make(std::vector<HapticEvent> events)
{
    if (!std::all_of(events.begin(), events.end(), isValid))
        return std::nullopt;
    return HapticPattern(std::move(events));
}

} // namespace haptics
