#include "ui/NavigationController.h"

#include "foundation/RunLoop.h"
#include "ui/InteractionPause.h"
#include "ui/NavigationBar.h"
#include "ui/ScreenMetrics.h"
#include "ui/View.h"
#include "ui/ViewAnimation.h"
#include "ui/Window.h"

#include <algorithm>

namespace ui {

NavigationController::NavigationController(std::shared_ptr<ViewController> root)
{
    if (root)
        replaceStack({std::move(root)}, true);
}

NavigationController::~NavigationController() = default;

ViewController* NavigationController::topViewController() const
{
    return children().empty() ? nullptr : children().back().get();
}

std::vector<ViewController*> NavigationController::childrenFollowingAppearance() const
{
    if (ViewController* top = topViewController())
        return {top};
    return {};
}

void NavigationController::loadView()
{
    auto root = std::make_shared<View>(ScreenMetrics::shared().mainBounds());
    content_ = std::make_shared<View>();
    bar_ = std::make_shared<NavigationBar>();
    root->addSubview(content_);
    root->addSubview(bar_);
    setView(root);
    if (ViewController* top = topViewController())
        content_->addSubview(top->viewPointer());
    showTopItem();
}

NavigationBar& NavigationController::navigationBar()
{
    view();
    return *bar_;
}

bool NavigationController::isShown() const
{
    return isViewLoaded() && const_cast<NavigationController*>(this)->view().window() && isAppeared();
}

Rect NavigationController::contentFrame() const
{
    const Rect bounds = const_cast<NavigationController*>(this)->view().bounds();
    if (barHidden_)
        return bounds;
    const double barBottom = bar_->frame().maxY();
    return {bounds.x(), barBottom, bounds.width(), bounds.height() - barBottom};
}

void NavigationController::viewWillLayoutSubviews()
{
    const Window* window = view().window();
    const double top = window ? window->safeAreaInsets().top : ScreenMetrics::shared().deviceSafeAreaInsets().top;
    bar_->setFrame({0, 0, view().bounds().width(), top + NavigationBar::contentHeight});
    bar_->setHidden(barHidden_);
    content_->setFrame(contentFrame());
    if (ViewController* top = topViewController(); top && top->isViewLoaded() && top->view().superview() == content_.get())
        top->view().setFrame(content_->bounds());
}

void NavigationController::setNavigationBarHidden(bool hidden, bool)
{
    barHidden_ = hidden;
    view().setNeedsLayout();
}

void NavigationController::showTopItem()
{
    if (bar_)
        bar_->setItem(topViewController() ? &topViewController()->navigationItem() : nullptr);
}

void NavigationController::replaceStack(std::vector<std::shared_ptr<ViewController>> controllers, bool announceArrivals)
{
    const auto old = children();
    for (const auto& controller : old)
        if (std::find(controllers.begin(), controllers.end(), controller) == controllers.end()) {
            controller->willMoveToParent(nullptr);
            if (controller->isViewLoaded() && controller->view().superview() == content_.get())
                controller->view().removeFromSuperview();
            controller->removeFromParent();
        }
    for (const auto& controller : controllers)
        if (controller->parent() != this) {
            addChild(controller);
            if (announceArrivals)
                controller->didMoveToParent(this);
        }
    // Children keep the order of the new stack.
    childList() = std::move(controllers);
    showTopItem();
}

void NavigationController::finishPendingTransition()
{
    if (auto finish = std::move(pendingFinish_)) {
        pendingFinish_ = nullptr;
        finish();
    }
}

void NavigationController::transition(std::shared_ptr<ViewController> outgoing, std::shared_ptr<ViewController> incoming,
                                      Direction direction, bool animated, std::function<void()> done)
{
    finishPendingTransition();
    if (!isViewLoaded()) {
        if (done)
            done();
        return;
    }
    const bool shown = isShown();
    if (incoming)
        incoming->viewPointer();
    if (shown) {
        if (outgoing)
            outgoing->beginAppearanceTransition(false, animated);
        if (incoming)
            incoming->beginAppearanceTransition(true, animated);
    }
    const Rect area = content_->bounds();
    if (incoming) {
        auto incomingView = incoming->viewPointer();
        incomingView->setFrame(area);
        if (direction == Direction::forward || !outgoing)
            content_->addSubview(incomingView);
        else
            content_->insertSubview(incomingView, 0);
    }
    showTopItem();
    const InteractionPause::Hold pause = shown && animated ? InteractionPause::begin(transitionDuration) : nullptr;
    // Lives as long as this transition is pending: the end of an earlier slide must not finish a later one.
    auto pending = std::make_shared<bool>();
    pendingFinish_ = [this, outgoing, incoming, shown, done, pause, pending] {
        if (outgoing && outgoing->isViewLoaded() && outgoing->view().superview() == content_.get())
            outgoing->view().removeFromSuperview();
        if (shown) {
            if (outgoing)
                outgoing->endAppearanceTransition();
            if (incoming)
                incoming->endAppearanceTransition();
        }
        if (done)
            done();
    };
    std::weak_ptr<ViewController> weakSelf = weak_from_this();
    std::weak_ptr<bool> stillPending = pending;
    pending.reset();
    auto finishIfAlive = [this, weakSelf, stillPending](bool) {
        if (!weakSelf.expired() && !stillPending.expired())
            finishPendingTransition();
    };
    if (!shown || !foundation::RunLoop::hasMain()) {
        finishPendingTransition();
        return;
    }
    if (!animated) {
        foundation::RunLoop::main().post([finishIfAlive] { finishIfAlive(true); });
        return;
    }
    // The new screen slides in from the right over the old one, or the old one slides off to the right.
    const Point middle = area.center();
    const Point offRight{middle.x + area.width(), middle.y};
    const Point parked{middle.x - area.width() * 0.3, middle.y};
    View* incomingView = incoming ? &incoming->view() : nullptr;
    View* outgoingView = outgoing && outgoing->isViewLoaded() ? &outgoing->view() : nullptr;
    if (incomingView)
        incomingView->setCenter(direction == Direction::forward ? offRight : parked);
    ViewAnimation::animate(
        transitionDuration, 0, {.curve = TimingFunction::easeInEaseOut},
        [=] {
            if (incomingView)
                incomingView->setCenter(middle);
            if (outgoingView)
                outgoingView->setCenter(direction == Direction::forward ? parked : offRight);
        },
        finishIfAlive);
}

void NavigationController::pushViewController(std::shared_ptr<ViewController> controller, bool animated)
{
    if (!controller || controller->parent() == this)
        return;
    auto outgoing = children().empty() ? nullptr : children().back();
    finishPendingTransition();
    auto stack = children();
    stack.push_back(controller);
    replaceStack(stack, false);
    transition(outgoing, controller, Direction::forward, animated, [controller, this] { controller->didMoveToParent(this); });
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated)
{
    if (children().size() < 2)
        return nullptr;
    auto popped = popToViewController(children()[children().size() - 2].get(), animated);
    return popped.empty() ? nullptr : popped.back();
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToRootViewController(bool animated)
{
    if (children().empty())
        return {};
    return popToViewController(children().front().get(), animated);
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToViewController(const ViewController* target, bool animated)
{
    finishPendingTransition();
    auto& stack = childList();
    auto it = std::find_if(stack.begin(), stack.end(), [target](const auto& c) { return c.get() == target; });
    if (it == stack.end() || it + 1 == stack.end())
        return {};
    std::vector<std::shared_ptr<ViewController>> popped(it + 1, stack.end());
    auto incoming = *it;
    auto outgoing = stack.back();
    for (const auto& controller : popped)
        controller->willMoveToParent(nullptr);
    stack.erase(it + 1, stack.end());
    // Screens between the two were never visible: they leave without appearance calls.
    for (const auto& controller : popped)
        if (controller != outgoing)
            controller->removeFromParent();
    transition(outgoing, incoming, Direction::back, animated, [outgoing] { outgoing->removeFromParent(); });
    return popped;
}

void NavigationController::setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers, bool animated)
{
    finishPendingTransition();
    auto outgoing = children().empty() ? nullptr : children().back();
    auto incoming = controllers.empty() ? nullptr : controllers.back();
    replaceStack(std::move(controllers), true);
    if (outgoing == incoming)
        return;
    const bool stillInStack = std::find(children().begin(), children().end(), outgoing) != children().end();
    transition(outgoing, incoming, stillInStack ? Direction::back : Direction::forward, animated, {});
}

} // namespace ui
