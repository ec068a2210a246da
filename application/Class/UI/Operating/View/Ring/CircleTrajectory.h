#pragma once

#include "ui/Point.h"

namespace tolvane::app {

// A path round a circle that the ring's hint follows.
struct CircleTrajectory {
    ui::Point center;
    double radius;
    double startRadianAngle;
    double endRadianAngle;
    bool isClockwise;

    // Where the hint is `elapsed` seconds into a loop of `duration`; the angle grows without bound.
    ui::Point position(double elapsed, double duration) const;
};

} // namespace tolvane::app
