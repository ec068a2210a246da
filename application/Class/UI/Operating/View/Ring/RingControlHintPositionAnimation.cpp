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

// The delegate of the behaviour's animation, or null when either is gone.
std::shared_ptr<RingControlHintPositionAnimationDelegate> delegateOf(const RingControlHintPositionAnimationBehavior& behavior)
{
    auto context = behavior.context();
    return context ? context->delegate.lock() : nullptr;
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

LoopAnimationWithNoDelay::~LoopAnimationWithNoDelay()
{
    stopTimer(repeatTimer);
}

void LoopAnimationWithNoDelay::start()
{
    stopTimer(repeatTimer);
    if (auto delegate = delegateOf(*this))
        delegate->hintPositionDidChange(trajectory.position(0, duration));
    const double startTime = mainLoop().clock().now();
    std::weak_ptr<LoopAnimationWithNoDelay> weak = weak_from_this();
    repeatTimer = mainLoop().scheduleTimer(duration / stepsPerDuration, true, [weak, startTime](foundation::Timer& timer) {
        auto self = weak.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        if (auto delegate = delegateOf(*self))
            delegate->hintPositionDidChange(self->trajectory.position(mainLoop().clock().now() - startTime, self->duration));
    });
}

void LoopAnimationWithNoDelay::stop()
{
    stopTimer(repeatTimer);
}

LoopAnimationWithDelayBetweenAnimations::~LoopAnimationWithDelayBetweenAnimations()
{
    stopTimer(repeatTimer);
    stopTimer(delayTimer_);
}

void LoopAnimationWithDelayBetweenAnimations::start()
{
    stopTimer(repeatTimer);
    if (auto delegate = delegateOf(*this))
        delegate->hintPositionDidChange(trajectory.position(0, duration));
    const double startTime = mainLoop().clock().now();
    std::weak_ptr<LoopAnimationWithDelayBetweenAnimations> weak = weak_from_this();
    repeatTimer = mainLoop().scheduleTimer(duration / stepsPerDuration, true, [weak, startTime](foundation::Timer& timer) {
        auto self = weak.lock();
        if (!self) {
            timer.invalidate();
            return;
        }
        const double elapsed = mainLoop().clock().now() - startTime;
        auto delegate = delegateOf(*self);
        if (elapsed < self->duration) {
            if (delegate)
                delegate->hintPositionDidChange(self->trajectory.position(elapsed, self->duration));
            return;
        }
        timer.invalidate();
        if (delegate)
            delegate->hintLoopDidEnd();
        self->delayTimer_ = mainLoop().scheduleTimer(self->delayTimeUntilLooping, false, [weak](foundation::Timer&) {
            if (auto self = weak.lock()) {
                stopTimer(self->repeatTimer);
                self->start();
            }
        });
    });
}

void LoopAnimationWithDelayBetweenAnimations::stop()
{
    stopTimer(repeatTimer);
    // A stop during the pause must not come back at its end.
    stopTimer(delayTimer_);
}

} // namespace tolvane::app
