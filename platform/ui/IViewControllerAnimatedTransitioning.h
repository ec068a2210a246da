#pragma once

namespace ui {

class TransitionContext;

// Animates one presentation or dismissal and tells the context when it is done.
class IViewControllerAnimatedTransitioning {
public:
    virtual ~IViewControllerAnimatedTransitioning() = default;
    virtual double transitionDuration(const TransitionContext* context) const = 0;
    virtual void animateTransition(TransitionContext& context) = 0;
};

} // namespace ui
