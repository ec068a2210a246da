#include "PopupAnimationController.h"

#include "ui/TransitionContext.h"
#include "ui/View.h"
#include "ui/ViewAnimation.h"

namespace tolvane::app {

double PopupAnimationController::transitionDuration(const ui::TransitionContext*) const
{
    return duration_;
}

void PopupAnimationController::animateTransition(ui::TransitionContext& context)
{
    const bool dismissing = state_ == AnimationState::dismissMenu;
    ui::View* view = context.view(dismissing ? ui::TransitionKey::from : ui::TransitionKey::to);
    if (!view) {
        // Nothing to fade: the transition still has to end.
        context.completeTransition(true);
        return;
    }
    context.containerView().addSubview(view->shared_from_this());
    view->setAlpha(dismissing ? 1.0 : 0.0);
    ui::TransitionContext* contextPointer = &context;
    ui::ViewAnimation::animate(
        duration_, 0, {.curve = ui::TimingFunction::easeOut}, [view, dismissing] { view->setAlpha(dismissing ? 0.0 : 1.0); },
        [contextPointer](bool) { contextPointer->completeTransition(true); });
}

} // namespace tolvane::app
