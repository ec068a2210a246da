#pragma once

#include "ui/IViewControllerTransitioningDelegate.h"

namespace tolvane::app {

// The answers a presenting screen gives for its pop-ups: the pop-up chrome, and a 0.5 s fade in and
// out.
class PopupTransition : public ui::IViewControllerTransitioningDelegate {
public:
    static constexpr double fadeDuration = 0.5;

    std::shared_ptr<ui::PresentationController> presentationController(ui::ViewController& presented, ui::ViewController* presenting,
                                                                       ui::ViewController& source) override;
    std::shared_ptr<ui::IViewControllerAnimatedTransitioning> animationControllerForPresented(ui::ViewController& presented,
                                                                                              ui::ViewController& presenting,
                                                                                              ui::ViewController& source) override;
    std::shared_ptr<ui::IViewControllerAnimatedTransitioning> animationControllerForDismissed(ui::ViewController& dismissed) override;
};

} // namespace tolvane::app
