#pragma once

#include "foundation/Timer.h"

#include <functional>
#include <memory>
#include <optional>

namespace tolvane::app {

class BeforeAnimationView;
class HoldingAnimationView;
class PulseAnimationView;

// Drives the slider's two pulse animations at 60 steps a second: the waiting circles grow for a
// second, fade out over half a second and start again; the holding circle grows for a second and
// shrinks for a second. The owner stops them by invalidating the timers. Made with std::make_shared:
// the timers hold it weakly. Main thread only.
class OperateAnimation : public std::enable_shared_from_this<OperateAnimation> {
public:
    static constexpr double step = 1.0 / 60.0;

    OperateAnimation(double period, double expandingTime) : period(period), expandingTime(expandingTime) {}

    const double period;
    const double expandingTime;
    foundation::TimerRef beforeAnimationTimer;
    double beforeAnimationTime = 0;
    foundation::TimerRef holdingAnimationTimer;
    double holdingAnimationTime = 0;

    // Starts the animation, or restarts a running one from its beginning.
    void startBeforeAnimation(const std::shared_ptr<BeforeAnimationView>& view);
    void startHoldingAnimation(const std::shared_ptr<HoldingAnimationView>& view);
    // Invalidates both timers and leaves them in their fields: a later start only resets the time.
    void invalidateTimers() const;

private:
    // What one step shows: none for a step that changes nothing.
    struct Look {
        double alpha;
        double ratio;
    };
    using Tick = std::optional<Look> (OperateAnimation::*)(bool& stop);

    void start(const std::shared_ptr<PulseAnimationView>& view, foundation::TimerRef& timer, double& time, Tick tick);
    std::optional<Look> beforeTick(bool& stop);
    std::optional<Look> holdingTick(bool& stop);
};

} // namespace tolvane::app
