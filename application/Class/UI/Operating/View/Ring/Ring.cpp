#include "Class/UI/Operating/View/Ring/Ring.h"

#include "Class/UI/Operating/View/Ring/RingControlPointLayer.h"

#include <cmath>
#include <numbers>

namespace tolvane::app {
namespace {

using std::numbers::pi;
constexpr double hintDuration = 2.0;

// The mean of the first and last waves' radii; 0 without waves.
double meanRadius(const std::vector<RingWave>& waves)
{
    if (waves.empty())
        return 0;
    return waves.front().diameter * 0.5 + (waves.back().diameter - waves.front().diameter) * 0.25;
}

} // namespace

std::shared_ptr<Ring> Ring::make(std::vector<RingWave> waves)
{
    std::shared_ptr<Ring> ring(new Ring(std::move(waves)));
    ring->hintPositionAnimation->delegate = ring;
    for (const RingWave& wave : ring->waves)
        ring->addPoints(wave);
    return ring;
}

Ring::Ring(std::vector<RingWave> waves)
    : waves(std::move(waves)),
      hintPositionAnimation(RingControlHintPositionAnimation::make(
          {.center = {0, 0}, .radius = 1.3 * meanRadius(this->waves), .startRadianAngle = pi / 6, .endRadianAngle = 13 * pi / 6,
           .isClockwise = true},
          hintDuration, 0.0))
{
}

void Ring::addPoints(const RingWave& wave)
{
    const double radius = wave.pointDiameter * 0.5;
    for (int i = 0; i < pointsPerWave; ++i) {
        const double angle = (2.0 * i / pointsPerWave - 0.5 + wave.radianAngle) * pi;
        auto point = std::make_shared<RingControlPointLayer>(radius);
        point->setFrame({std::sin(angle) * wave.diameter * 0.5, std::cos(angle) * wave.diameter * 0.5, 0, 0});
        pointLayers_.push_back(point);
        addSublayer(point);
    }
}

double Ring::focusRadiusBase() const
{
    if (waves.empty())
        return 0;
    return (waves.back().diameter - waves.front().diameter) * 0.5 * 1.3 * 1.3;
}

void Ring::focusPoints(bool animated, const ui::Point& around)
{
    const double reach = focusRadiusBase() * 0.5;
    for (const auto& point : pointLayers_) {
        const ui::Point q = point->frame().origin;
        const double dx = around.x - q.x;
        const double dy = around.y - q.y;
        const double limit = reach + point->defaultRadius;
        if (dx * dx + dy * dy < limit * limit)
            point->focus(animated);
        else
            point->unfocus(animated);
    }
}

void Ring::unfocusAllPoints()
{
    for (const auto& point : pointLayers_)
        if (point->animationDirection() != RingControlPointLayer::AnimationDirection::Unfocusing)
            point->unfocus(true);
}

} // namespace tolvane::app
