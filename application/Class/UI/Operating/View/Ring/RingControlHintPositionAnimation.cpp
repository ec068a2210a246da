#include "Class/UI/Operating/View/Ring/RingControlHintPositionAnimation.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {
namespace {

constexpr int stepsPerDuration = 30;

foundation::RunLoop& mainLoop()
{
    return foundation::RunLoop::main();
}

void stopTimer(foundation::TimerRef& timer)
{
    if (timer)
        timer->invalidate();
    timer.reset();
}

} // namespace

std::shared_ptr<RingControlHintPositionAnimation> RingControlHintPositionAnimation::make(const CircleTrajectory& trajectory, double duration,
                                                                                         double delayTimeUntilLooping)
{
    std::shared_ptr<RingControlHintPositionAnimationBehavior> behavior;
    if (delayTimeUntilLooping > 0.0)
        behavior = std::make_shared<LoopAnimationWithDelayBetweenAnimations>(trajectory, duration, delayTimeUntilLooping);
    else
        behavior = std::make_shared<LoopAnimationWithNoDelay>(trajectory, duration);
    std::shared_ptr<RingControlHintPositionAnimation> animation(new RingControlHintPositionAnimation(behavior));
    behavior->setContext(animation);
    return animation;
}

RingControlHintPositionAnimation::RingControlHintPositionAnimation(std::shared_ptr<RingControlHintPositionAnimationBehavior> behavior)
    : behavior_(std::move(behavior))
{
}

LoopAnimation::~LoopAnimation()
{
    stopTimer(repeatTimer);
}

std::shared_ptr<RingControlHintPositionAnimationDelegate> LoopAnimation::delegate() const
{
    auto animation = context();
    return animation ? animation->delegate.lock() : nullptr;
}

void LoopAnimation::start()
{
    stopTimer(repeatTimer);
    if (auto target = delegate())
        target->hintPositionDidChange(trajectory.position(0, duration));
    const double startTime = mainLoop().clock().now();
    std::weak_ptr<LoopAnimation> weak = weak_from_this();
    repeatTimer = mainLoop().scheduleTimer(duration / stepsPerDuration, true, [weak, startTime](foundation::Timer& timer) {
        auto self = weak.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        self->step(mainLoop().clock().now() - startTime, timer);
    });
}

void LoopAnimation::stop()
{
    stopTimer(repeatTimer);
}

void LoopAnimationWithNoDelay::step(double elapsed, foundation::Timer&)
{
    if (auto target = delegate())
        target->hintPositionDidChange(trajectory.position(elapsed, duration));
}

LoopAnimationWithDelayBetweenAnimations::~LoopAnimationWithDelayBetweenAnimations()
{
    stopTimer(delayTimer_);
}

void LoopAnimationWithDelayBetweenAnimations::step(double elapsed, foundation::Timer& timer)
{
    auto target = delegate();
    if (elapsed < duration) {
        if (target)
            target->hintPositionDidChange(trajectory.position(elapsed, duration));
        return;
    }
    timer.invalidate();
    if (target)
        target->hintLoopDidEnd();
    std::weak_ptr<LoopAnimation> weak = weak_from_this();
    delayTimer_ = mainLoop().scheduleTimer(delayTimeUntilLooping, false, [weak](foundation::Timer&) {
        if (auto self = weak.lock())
            self->start();
    });
}

void LoopAnimationWithDelayBetweenAnimations::stop()
{
    LoopAnimation::stop();
    // A stop during the pause must not come back at its end.
    stopTimer(delayTimer_);
}

} // namespace tolvane::app
