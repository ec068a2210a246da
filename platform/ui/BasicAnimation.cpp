#include "ui/BasicAnimation.h"

#include <cmath>
#include <limits>

namespace ui {

double BasicAnimation::activeDuration() const
{
    if (std::isinf(repeatCount))
        return std::numeric_limits<double>::infinity();
    return duration * repeatCount * (autoreverses ? 2 : 1);
}

double BasicAnimation::progress(double elapsed) const
{
    if (duration <= 0)
        return 1.0;
    if (elapsed >= activeDuration())
        return autoreverses ? 0.0 : 1.0;
    const double cycle = duration * (autoreverses ? 2 : 1);
    const double within = std::fmod(std::max(elapsed, 0.0), cycle);
    if (within <= duration)
        return within / duration;
    return 1.0 - (within - duration) / duration;
}

} // namespace ui
