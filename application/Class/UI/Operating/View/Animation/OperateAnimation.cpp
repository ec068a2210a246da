#include "Class/UI/Operating/View/Animation/OperateAnimation.h"

#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"
#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"

#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

void OperateAnimation::start(const std::shared_ptr<PulseAnimationView>& view, foundation::TimerRef& timer, double& time, Tick tick)
{
    if (!view)
        foundation::fatalError("OperateAnimation needs a view to animate");
    view->layoutIfNeeded();
    if (timer) {
        // A timer its owner invalidated stays stopped.
        time = 0;
        return;
    }
    std::weak_ptr<OperateAnimation> weakSelf = weak_from_this();
    std::weak_ptr<PulseAnimationView> weakView = view;
    timer = foundation::RunLoop::main().scheduleTimer(step, true, [weakSelf, weakView, tick](foundation::Timer& timer) {
        auto self = weakSelf.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        bool stop = false;
        const auto look = ((*self).*tick)(stop);
        if (stop) {
            timer.invalidate();
            return;
        }
        if (!look)
            return;
        // The view follows after the step, as the time fields are already updated.
        foundation::RunLoop::main().post([weakView, look] {
            if (auto view = weakView.lock()) {
                view->setAlpha(look->alpha);
                view->setRatio(look->ratio);
            }
        });
    });
}

void OperateAnimation::startBeforeAnimation(const std::shared_ptr<BeforeAnimationView>& view)
{
    start(view, beforeAnimationTimer, beforeAnimationTime, &OperateAnimation::beforeTick);
}

void OperateAnimation::startHoldingAnimation(const std::shared_ptr<HoldingAnimationView>& view)
{
    start(view, holdingAnimationTimer, holdingAnimationTime, &OperateAnimation::holdingTick);
}

void OperateAnimation::invalidateTimers() const
{
    for (const auto& timer : {beforeAnimationTimer, holdingAnimationTimer})
        if (timer)
            timer->invalidate();
}

std::optional<OperateAnimation::Look> OperateAnimation::beforeTick(bool& stop)
{
    const double t = beforeAnimationTime + step;
    beforeAnimationTime = t;
    if (t >= 0.0 && t <= expandingTime)
        return Look{1.0, t / period};
    if (t > expandingTime && t < period)
        return Look{2 * (period - t), t / period};
    if (t >= period) {
        beforeAnimationTime = 0.0;
        return Look{0.0, 0.0};
    }
    stop = true;
    return std::nullopt;
}

std::optional<OperateAnimation::Look> OperateAnimation::holdingTick(bool& stop)
{
    const double t = holdingAnimationTime + step;
    holdingAnimationTime = t;
    if (t >= 0.0 && t <= 1.0)
        return Look{1.0, t};
    if (t > 1.0 && t < 2.0)
        return Look{1.0, 2.0 - t};
    if (t >= 2.0) {
        holdingAnimationTime = 0.0;
        return std::nullopt;
    }
    stop = true;
    return std::nullopt;
}

} // namespace tolvane::app
