#pragma once

#include "ui/Rect.h"

namespace ui {

class View;
class ViewController;

// Manages the container of one modal presentation, from the request to the end of the dismissal.
// Subclasses add chrome (an overlay) and shape the presented view.
class PresentationController {
public:
    PresentationController(ViewController& presented, ViewController* presenting);
    virtual ~PresentationController();
    PresentationController(const PresentationController&) = delete;
    PresentationController& operator=(const PresentationController&) = delete;

    ViewController& presentedViewController() const { return presented_; }
    ViewController* presentingViewController() const { return presenting_; }
    // Null outside the transition's lifetime.
    View* containerView() const { return container_; }
    View* presentedView() const;
    virtual Rect frameOfPresentedViewInContainerView() const;
    // A custom presentation leaves the presenter's view in place unless this says otherwise.
    virtual bool shouldRemovePresentersView() const { return false; }

    virtual void presentationTransitionWillBegin() {}
    virtual void presentationTransitionDidEnd(bool completed) { (void)completed; }
    virtual void dismissalTransitionWillBegin() {}
    virtual void dismissalTransitionDidEnd(bool completed) { (void)completed; }
    virtual void containerViewWillLayoutSubviews() {}
    virtual void containerViewDidLayoutSubviews() {}

private:
    friend class Presentation;

    ViewController& presented_;
    ViewController* presenting_;
    View* container_ = nullptr;
};

} // namespace ui
