#include "PopupPresentationController.h"

#include "ui/Layer.h"
#include "ui/TransitionCoordinator.h"
#include "ui/View.h"
#include "ui/ViewController.h"

namespace tolvane::app {

PopupPresentationController::PopupPresentationController(ui::ViewController& presented, ui::ViewController* presenting)
    : PresentationController(presented, presenting), overlayView_(std::make_shared<ui::View>())
{
}

void PopupPresentationController::presentationTransitionWillBegin()
{
    ui::View* container = containerView();
    if (!container)
        return;
    overlayView_->setFrame(container->bounds());
    overlayView_->setBackgroundColor(ui::Color::rgb255(26, 26, 26, 1.0));
    overlayView_->setAlpha(0.0);
    container->addSubview(overlayView_);
    fadeOverlayAlongside(0.5);
}

void PopupPresentationController::containerViewWillLayoutSubviews()
{
    ui::View* container = containerView();
    ui::View* presented = presentedView();
    if (!container || !presented)
        return;
    overlayView_->setFrame(container->bounds());
    presented->setFrame(frameOfPresentedViewInContainerView());
    presented->layer().setCornerRadius(10.0);
    presented->setClipsToBounds(true);
}

void PopupPresentationController::dismissalTransitionWillBegin()
{
    fadeOverlayAlongside(0.0);
}

void PopupPresentationController::dismissalTransitionDidEnd(bool completed)
{
    if (completed)
        overlayView_->removeFromSuperview();
}

void PopupPresentationController::fadeOverlayAlongside(double alpha)
{
    ui::TransitionCoordinator* coordinator = presentedViewController().transitionCoordinator();
    if (!coordinator)
        return;
    std::weak_ptr<PopupPresentationController> weakSelf = weak_from_this();
    coordinator->animateAlongsideTransition([weakSelf, alpha] {
        if (auto self = weakSelf.lock())
            self->overlayView_->setAlpha(alpha);
    });
}

} // namespace tolvane::app
