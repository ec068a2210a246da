#pragma once

namespace tolvane::app {

// One circle of points of the ring: where they sit, how big each is, and the wave's rotation in half
// turns (added before the multiplication by pi).
struct RingWave {
    double diameter;
    double pointDiameter;
    double radianAngle;
};

} // namespace tolvane::app
