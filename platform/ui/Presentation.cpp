#include "ui/Presentation.h"

#include "foundation/RunLoop.h"
#include "foundation/SystemLog.h"
#include "ui/IViewControllerAnimatedTransitioning.h"
#include "ui/IViewControllerTransitioningDelegate.h"
#include "ui/InteractionPause.h"
#include "ui/PresentationController.h"
#include "ui/TransitionContext.h"
#include "ui/TransitionCoordinator.h"
#include "ui/View.h"
#include "ui/ViewAnimation.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <algorithm>
#include <utility>

namespace ui {
namespace {

// Lays out through the presentation controller, as the platform's transition container does.
class ContainerView : public View {
public:
    ContainerView(const Rect& frame, PresentationController& controller) : View(frame), controller_(controller) {}
    void layoutSubviews() override
    {
        controller_.containerViewWillLayoutSubviews();
        if (View* presented = controller_.presentedView(); presented && presented->superview() == this)
            presented->setFrame(controller_.frameOfPresentedViewInContainerView());
        controller_.containerViewDidLayoutSubviews();
    }

private:
    PresentationController& controller_;
};

// The platform's own modal transition: the presented view rises from the bottom edge, and sinks
// back on dismissal.
class CoverVerticalAnimator : public IViewControllerAnimatedTransitioning {
public:
    explicit CoverVerticalAnimator(bool presenting) : presenting_(presenting) {}
    double transitionDuration(const TransitionContext*) const override { return 0.3; }
    void animateTransition(TransitionContext& context) override
    {
        View& container = context.containerView();
        View* moving = context.view(presenting_ ? TransitionKey::to : TransitionKey::from);
        if (!moving) {
            context.completeTransition(true);
            return;
        }
        const Rect bounds = container.bounds();
        const Point shown = bounds.center();
        const Point below{shown.x, shown.y + bounds.height()};
        if (presenting_) {
            container.addSubview(moving->shared_from_this());
            moving->setFrame(bounds);
            moving->setCenter(below);
        }
        auto* contextPointer = &context;
        ViewAnimation::animate(
            transitionDuration(&context), 0, {.curve = TimingFunction::easeOut},
            [moving, presenting = presenting_, shown, below] { moving->setCenter(presenting ? shown : below); },
            [contextPointer](bool) { contextPointer->completeTransition(true); });
    }

private:
    bool presenting_;
};

void warn(std::string_view line)
{
    foundation::systemLog().write(foundation::SystemLogType::error, foundation::applicationIdentifier(), "ui", line);
}

// Runs `work` on the next turn of the main loop, or at once without one.
void onNextTurn(std::function<void()> work)
{
    if (foundation::RunLoop::hasMain())
        foundation::RunLoop::main().post(std::move(work));
    else
        work();
}

} // namespace

void Presentation::present(ViewController& presenter, std::shared_ptr<ViewController> presented, ViewController& source, bool animated,
                           Completion completion)
{
    if (!presented)
        return;
    if (presenter.presented_) {
        warn("a controller that already presents another cannot present more");
        return;
    }
    Window* window = presenter.isViewLoaded() ? presenter.view().window() : nullptr;
    if (!window) {
        warn("a controller whose view is not in a window cannot present");
        return;
    }
    auto self = std::make_shared<Presentation>();
    self->presenter_ = &presenter;
    self->presented_ = presented.get();
    presenter.presented_ = presented;
    presented->presenting_ = &presenter;

    const bool custom = presented->modalPresentationStyle() == ModalPresentationStyle::custom;
    auto delegate = custom ? presented->transitioningDelegate() : nullptr;
    std::shared_ptr<PresentationController> controller = delegate ? delegate->presentationController(*presented, &presenter, source) : nullptr;
    if (!controller)
        controller = std::make_shared<PresentationController>(*presented, &presenter);
    presented->presentationController_ = controller;
    presented->presentation_ = self;
    self->removesPresenter_ = !custom || controller->shouldRemovePresentersView();

    self->container_ = std::make_shared<ContainerView>(window->bounds(), *controller);
    window->addSubview(self->container_);
    controller->container_ = self->container_.get();

    std::shared_ptr<IViewControllerAnimatedTransitioning> animator =
        delegate ? delegate->animationControllerForPresented(*presented, presenter, source) : nullptr;
    self->animator_ = animator ? animator : std::make_shared<CoverVerticalAnimator>(true);
    self->coordinator_ = std::make_shared<TransitionCoordinator>(animated, animated ? self->animator_->transitionDuration(nullptr) : 0);

    controller->presentationTransitionWillBegin();
    if (self->removesPresenter_)
        presenter.beginAppearanceTransition(false, animated);
    presented->beginAppearanceTransition(true, animated);
    self->presenting_ = true;
    self->run(*self->animator_, animated, true, completion);
}

void Presentation::run(IViewControllerAnimatedTransitioning& animator, bool animated, bool presenting, const Completion& completion)
{
    auto self = shared_from_this();
    View* presentedView = &presented_->view();
    View* presenterView = removesPresenter_ ? &presenter_->view() : nullptr;
    // The presented controller stays alive until its transition has finished, even when a dismissal
    // further down let it go meanwhile.
    auto finish = [self, presenting, completion, keepPresented = presenter_->presented_](bool completed) {
        static_cast<void>(keepPresented);
        if (presenting)
            self->finishPresenting(completed, completion);
        else
            self->finishDismissing(completed, completion);
    };
    ViewController& from = presenting ? *presenter_ : *presented_;
    ViewController& to = presenting ? *presented_ : *presenter_;
    auto context = std::make_shared<TransitionContext>(*container_, from, to, presenting ? presenterView : presentedView,
                                                       presenting ? presentedView : presenterView, animated, finish);
    // The context lives until the transition completes, which a dismissal from further down may hasten.
    contextKeeper_ = context;
    coordinator_->start();
    if (animated)
        interactionPause_ = InteractionPause::begin(coordinator_->transitionDuration());
    if (!animated) {
        if (presenting) {
            container_->addSubview(presented_->viewPointer());
            presentedView->setFrame(presented_->presentationController()->frameOfPresentedViewInContainerView());
        }
        onNextTurn([context] { context->completeTransition(true); });
        return;
    }
    animator.animateTransition(*context);
}

void Presentation::finishPresenting(bool completed, const Completion& completion)
{
    auto keepAlive = shared_from_this();
    contextKeeper_.reset();
    interactionPause_.reset();
    PresentationController& controller = *presented_->presentationController_;
    controller.presentationTransitionDidEnd(completed);
    presented_->endAppearanceTransition();
    if (removesPresenter_) {
        presenter_->endAppearanceTransition();
        hidePresentersView();
    }
    coordinator_->finish();
    coordinator_.reset();
    presenting_ = false;
    if (completion)
        completion();
    if (auto dismissal = std::exchange(dismissalAfterPresenting_, nullptr))
        dismissal();
}

void Presentation::dismiss(ViewController& presenter, bool animated, Completion completion)
{
    auto presented = presenter.presented_;
    if (!presented) {
        if (completion)
            completion();
        return;
    }
    auto self = presented->presentation_;
    if (self->dismissing_ || self->dismissalAfterPresenting_) {
        if (completion)
            self->laterDismissCompletions_.push_back(std::move(completion));
        return;
    }
    if (self->presenting_) {
        // The presenter may be gone by the time the presentation ends; then only the completion runs.
        self->dismissalAfterPresenting_ = [weakPresenter = presenter.weak_from_this(), animated, completion] {
            if (auto alivePresenter = weakPresenter.lock())
                dismiss(*alivePresenter, animated, completion);
            else if (completion)
                completion();
        };
        return;
    }
    self->dismissing_ = true;
    // Whatever the presented controller presents goes first, without animation. A presentation still
    // moving there ends at once: its presenter is about to go and must not be reached afterwards.
    if (presented->presented_) {
        Completion queuedDismissal;
        if (auto inner = presented->presented_->presentation_; inner && inner->presenting_) {
            queuedDismissal = std::exchange(inner->dismissalAfterPresenting_, nullptr);
            if (auto context = inner->contextKeeper_) {
                // Its animator holds the context by reference until the animation's own end.
                const double remaining = inner->coordinator_ ? inner->coordinator_->transitionDuration() : 0;
                foundation::RunLoop::main().scheduleTimer(remaining, false, [context](foundation::Timer& timer) { timer.invalidate(); });
                context->completeTransition(true);
            }
        }
        dismiss(*presented, false, queuedDismissal);
    }
    PresentationController& controller = *presented->presentationController_;
    const bool custom = presented->modalPresentationStyle() == ModalPresentationStyle::custom;
    auto delegate = custom ? presented->transitioningDelegate() : nullptr;
    std::shared_ptr<IViewControllerAnimatedTransitioning> animator = delegate ? delegate->animationControllerForDismissed(*presented) : nullptr;
    self->animator_ = animator ? animator : std::make_shared<CoverVerticalAnimator>(false);
    self->coordinator_ = std::make_shared<TransitionCoordinator>(animated, animated ? self->animator_->transitionDuration(nullptr) : 0);

    controller.dismissalTransitionWillBegin();
    presented->beginAppearanceTransition(false, animated);
    if (self->removesPresenter_) {
        self->showPresentersView();
        presenter.beginAppearanceTransition(true, animated);
    }
    self->run(*self->animator_, animated, false, completion);
}

void Presentation::finishDismissing(bool completed, const Completion& completion)
{
    auto keepAlive = shared_from_this();
    contextKeeper_.reset();
    interactionPause_.reset();
    auto presented = presented_->shared_from_this();
    PresentationController& controller = *presented->presentationController_;
    controller.dismissalTransitionDidEnd(completed);
    dismissing_ = false;
    auto laterCompletions = std::exchange(laterDismissCompletions_, {});
    if (!completed) {
        // The presented controller stays: it appears again, and the presenter goes back behind it.
        presented->beginAppearanceTransition(true, false);
        presented->endAppearanceTransition();
        if (removesPresenter_) {
            presenter_->beginAppearanceTransition(false, false);
            presenter_->endAppearanceTransition();
            hidePresentersView();
        }
        coordinator_->finish();
        coordinator_.reset();
        return;
    }
    if (presented->isViewLoaded())
        presented->view().removeFromSuperview();
    container_->removeFromSuperview();
    if (removesPresenter_)
        presenter_->endAppearanceTransition();
    presented->endAppearanceTransition();
    coordinator_->finish();
    coordinator_.reset();
    controller.container_ = nullptr;
    presenter_->presented_.reset();
    presented->presenting_ = nullptr;
    presented->presentationController_.reset();
    presented->presentation_.reset();
    if (completion)
        completion();
    for (const auto& later : laterCompletions)
        later();
}

void Presentation::hidePresentersView()
{
    View& view = presenter_->view();
    presenterSuperview_ = view.superview();
    view.removeFromSuperview();
}

void Presentation::showPresentersView()
{
    if (!presenterSuperview_)
        return;
    const auto& siblings = presenterSuperview_->subviews();
    const auto container = std::find(siblings.begin(), siblings.end(), container_);
    presenterSuperview_->insertSubview(presenter_->viewPointer(), static_cast<size_t>(container - siblings.begin()));
    presenterSuperview_ = nullptr;
}

} // namespace ui
