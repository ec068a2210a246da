#include "Class/UI/Operating/View/Ring/CircleTrajectory.h"

#include <cmath>
#include <numbers>

namespace tolvane::app {

ui::Point CircleTrajectory::position(double elapsed, double duration) const
{
    double angle = startRadianAngle + std::numbers::pi + endRadianAngle * elapsed / duration;
    if (isClockwise)
        angle = -angle;
    return {center.x + radius * std::sin(angle), center.y + radius * std::cos(angle)};
}

} // namespace tolvane::app
