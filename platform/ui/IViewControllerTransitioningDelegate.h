#pragma once

#include <memory>

namespace ui {

class IViewControllerAnimatedTransitioning;
class PresentationController;
class ViewController;

// Supplies the objects of a custom presentation; a null answer takes the platform's own.
class IViewControllerTransitioningDelegate {
public:
    virtual ~IViewControllerTransitioningDelegate() = default;
    virtual std::shared_ptr<PresentationController> presentationController(ViewController& presented, ViewController* presenting,
                                                                           ViewController& source)
    {
        (void)presented, (void)presenting, (void)source;
        return nullptr;
    }
    virtual std::shared_ptr<IViewControllerAnimatedTransitioning> animationControllerForPresented(ViewController& presented,
                                                                                                  ViewController& presenting,
                                                                                                  ViewController& source)
    {
        (void)presented, (void)presenting, (void)source;
        return nullptr;
    }
    virtual std::shared_ptr<IViewControllerAnimatedTransitioning> animationControllerForDismissed(ViewController& dismissed)
    {
        (void)dismissed;
        return nullptr;
    }
};

} // namespace ui
