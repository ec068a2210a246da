#pragma once

#include "ui/InteractionPause.h"

#include <functional>
#include <memory>
#include <vector>

namespace ui {

class IViewControllerAnimatedTransitioning;
class PresentationController;
class TransitionContext;
class TransitionCoordinator;
class View;
class ViewController;

// One modal presentation from the request to the end of its dismissal: the container in the window,
// the presentation controller, the animators and the appearance calls in the platform's order
// (presenting: presenter will disappear, presented will appear, presented did appear, presenter did
// disappear; dismissing: presented will disappear, presenter will appear, presenter did appear,
// presented did disappear). A custom presentation leaves the presenter on screen and silent.
class Presentation : public std::enable_shared_from_this<Presentation> {
public:
    using Completion = std::function<void()>;

    static void present(ViewController& presenter, std::shared_ptr<ViewController> presented, ViewController& source, bool animated,
                        Completion completion);
    static void dismiss(ViewController& presenter, bool animated, Completion completion);

    TransitionCoordinator* coordinator() const { return coordinator_.get(); }
    bool isDismissing() const { return dismissing_ || static_cast<bool>(dismissalAfterPresenting_); }

private:
    void finishPresenting(bool completed, const Completion& completion);
    void finishDismissing(bool completed, const Completion& completion);
    void run(IViewControllerAnimatedTransitioning& animator, bool animated, bool presenting, const Completion& completion);
    void showPresentersView();
    void hidePresentersView();

    // The presented controller owns this presentation; the presenter owns the presented controller.
    ViewController* presenter_ = nullptr;
    ViewController* presented_ = nullptr;
    std::shared_ptr<View> container_;
    std::shared_ptr<TransitionCoordinator> coordinator_;
    std::shared_ptr<IViewControllerAnimatedTransitioning> animator_;
    bool removesPresenter_ = false;
    bool presenting_ = false;
    // A dismissal asked for while presenting runs once the presentation ended.
    std::function<void()> dismissalAfterPresenting_;
    // A dismissal under way or waiting; further requests only add their completions to it.
    bool dismissing_ = false;
    std::vector<Completion> laterDismissCompletions_;
    View* presenterSuperview_ = nullptr;
    std::shared_ptr<TransitionContext> contextKeeper_;
    // Held while the presented view moves in or out.
    InteractionPause::Hold interactionPause_;
};

} // namespace ui
