#include "PopupTransition.h"

#include "PopupAnimationController.h"
#include "PopupPresentationController.h"

namespace tolvane::app {

std::shared_ptr<ui::PresentationController> PopupTransition::presentationController(ui::ViewController& presented,
                                                                                    ui::ViewController* presenting, ui::ViewController&)
{
    return std::make_shared<PopupPresentationController>(presented, presenting);
}

std::shared_ptr<ui::IViewControllerAnimatedTransitioning> PopupTransition::animationControllerForPresented(ui::ViewController&,
                                                                                                           ui::ViewController&,
                                                                                                           ui::ViewController&)
{
    return std::make_shared<PopupAnimationController>(fadeDuration, PopupAnimationController::AnimationState::appearMenu);
}

std::shared_ptr<ui::IViewControllerAnimatedTransitioning> PopupTransition::animationControllerForDismissed(ui::ViewController&)
{
    return std::make_shared<PopupAnimationController>(fadeDuration, PopupAnimationController::AnimationState::dismissMenu);
}

} // namespace tolvane::app
