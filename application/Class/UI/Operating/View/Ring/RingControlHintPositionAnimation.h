#pragma once

#include "Class/UI/Operating/View/Ring/CircleTrajectory.h"

#include "foundation/Timer.h"

#include <memory>

namespace tolvane::app {

class RingControlHintPositionAnimation;

// Told where the hint is and when a loop has ended.
class RingControlHintPositionAnimationDelegate {
public:
    virtual ~RingControlHintPositionAnimationDelegate() = default;
    virtual void hintPositionDidChange(const ui::Point& position) = 0;
    virtual void hintLoopDidEnd() = 0;
};

// How the hint goes round: without a pause, or with a pause after each loop.
class RingControlHintPositionAnimationBehavior {
public:
    virtual ~RingControlHintPositionAnimationBehavior() = default;
    virtual std::shared_ptr<RingControlHintPositionAnimation> context() const = 0;
    virtual void setContext(std::weak_ptr<RingControlHintPositionAnimation> context) = 0;
    virtual void start() = 0;
    virtual void stop() = 0;
};

// Walks a focus position round a circle, 30 steps per duration, so the ring's points light up in turn.
// Made with make(): the behaviour holds it weakly. Main thread only.
class RingControlHintPositionAnimation : public std::enable_shared_from_this<RingControlHintPositionAnimation> {
public:
    static std::shared_ptr<RingControlHintPositionAnimation> make(const CircleTrajectory& trajectory, double duration,
                                                                  double delayTimeUntilLooping);

    std::weak_ptr<RingControlHintPositionAnimationDelegate> delegate;
    const std::shared_ptr<RingControlHintPositionAnimationBehavior>& behavior() const { return behavior_; }

private:
    explicit RingControlHintPositionAnimation(std::shared_ptr<RingControlHintPositionAnimationBehavior> behavior);

    std::shared_ptr<RingControlHintPositionAnimationBehavior> behavior_;
};

// A loop round the trajectory, 30 steps per duration, from when it starts.
class LoopAnimation : public RingControlHintPositionAnimationBehavior, public std::enable_shared_from_this<LoopAnimation> {
public:
    LoopAnimation(const CircleTrajectory& trajectory, double duration) : trajectory(trajectory), duration(duration) {}
    ~LoopAnimation() override;

    const CircleTrajectory trajectory;
    const double duration;
    foundation::TimerRef repeatTimer;

    std::shared_ptr<RingControlHintPositionAnimation> context() const override { return context_.lock(); }
    void setContext(std::weak_ptr<RingControlHintPositionAnimation> context) override { context_ = std::move(context); }
    void start() override;
    void stop() override;

protected:
    // The delegate of the animation, or null when either is gone.
    std::shared_ptr<RingControlHintPositionAnimationDelegate> delegate() const;
    // One step `elapsed` seconds into the loop.
    virtual void step(double elapsed, foundation::Timer& timer) = 0;

private:
    std::weak_ptr<RingControlHintPositionAnimation> context_;
};

// Goes round and round.
class LoopAnimationWithNoDelay final : public LoopAnimation {
public:
    using LoopAnimation::LoopAnimation;

private:
    void step(double elapsed, foundation::Timer& timer) override;
};

// Goes round once per duration, then rests with every point unfocused before the next loop.
class LoopAnimationWithDelayBetweenAnimations final : public LoopAnimation {
public:
    LoopAnimationWithDelayBetweenAnimations(const CircleTrajectory& trajectory, double duration, double delayTimeUntilLooping)
        : LoopAnimation(trajectory, duration), delayTimeUntilLooping(delayTimeUntilLooping)
    {
    }
    ~LoopAnimationWithDelayBetweenAnimations() override;

    const double delayTimeUntilLooping;

    void stop() override;

private:
    void step(double elapsed, foundation::Timer& timer) override;

    foundation::TimerRef delayTimer_;
};

} // namespace tolvane::app
