#include "ui/BasicAnimation.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace ui {

AnimatedProperty animatedProperty(std::string_view keyPath)
{
    using enum AnimatedProperty;
    static constexpr std::array<std::pair<std::string_view, AnimatedProperty>, 12> names{{
        {"opacity", opacity},
        {"position.x", positionX},
        {"position.y", positionY},
        {"bounds.size.width", boundsWidth},
        {"bounds.size.height", boundsHeight},
        {"transform.scale", transformScale},
        {"transform.rotation.z", transformRotation},
        {"transform.rotation", transformRotation},
        {"strokeStart", strokeStart},
        {"strokeEnd", strokeEnd},
        {"backgroundColor", backgroundColor},
        {"fillColor", fillColor},
    }};
    for (const auto& [name, property] : names)
        if (name == keyPath)
            return property;
    return none;
}

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
