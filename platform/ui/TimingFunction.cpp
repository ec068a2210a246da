#include "ui/TimingFunction.h"

#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The platform's cubic Bézier curves from (0,0) to (1,1), solved for x by Newton's method.
double cubicBezier(double x1, double y1, double x2, double y2, double x)
{
    auto curve = [](double a1, double a2, double t) {
        return 3 * (1 - t) * (1 - t) * t * a1 + 3 * (1 - t) * t * t * a2 + t * t * t;
    };
    auto slope = [](double a1, double a2, double t) {
        return 3 * (1 - t) * (1 - t) * a1 + 6 * (1 - t) * t * (a2 - a1) + 3 * t * t * (1 - a2);
    };
    double t = x;
    for (int i = 0; i < 8; ++i) {
        const double error = curve(x1, x2, t) - x;
        const double d = slope(x1, x2, t);
        if (std::abs(error) < 1e-7 || d == 0)
            break;
        t = std::clamp(t - error / d, 0.0, 1.0);
    }
    return curve(y1, y2, t);
}

} // namespace

double applyTiming(TimingFunction timing, double progress)
{
    progress = std::clamp(progress, 0.0, 1.0);
    switch (timing) {
    case TimingFunction::linear: return progress;
    case TimingFunction::easeIn: return cubicBezier(0.42, 0, 1, 1, progress);
    case TimingFunction::easeOut: return cubicBezier(0, 0, 0.58, 1, progress);
    case TimingFunction::easeInEaseOut: return cubicBezier(0.42, 0, 0.58, 1, progress);
    }
    return progress;
}

} // namespace ui
