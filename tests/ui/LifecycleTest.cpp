#include "foundation/VirtualTime.h"
#include "ui/IViewControllerAnimatedTransitioning.h"
#include "ui/Layer.h"
#include "ui/IViewControllerTransitioningDelegate.h"
#include "ui/NavigationController.h"
#include "ui/PresentationController.h"
#include "ui/TransitionContext.h"
#include "ui/View.h"
#include "ui/ViewAnimation.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class Screen : public ui::ViewController {
public:
    Screen(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
    void viewDidLoad() override { note("viewDidLoad"); }
    void viewWillAppear(bool) override { note("viewWillAppear"); }
    void viewDidAppear(bool) override { note("viewDidAppear"); }
    void viewWillDisappear(bool) override { note("viewWillDisappear"); }
    void viewDidDisappear(bool) override { note("viewDidDisappear"); }
    void willMoveToParent(ui::ViewController* parent) override { note(parent ? "willMoveToParent" : "willMoveToParent(nil)"); }
    void didMoveToParent(ui::ViewController* parent) override { note(parent ? "didMoveToParent" : "didMoveToParent(nil)"); }

private:
    void note(const std::string& what) { log_.push_back(name_ + "." + what); }
    Log& log_;
    std::string name_;
};

class LifecycleTest : public ::testing::Test {
protected:
    foundation::VirtualTime time;
    Log log;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>();
    std::shared_ptr<Screen> a = std::make_shared<Screen>(log, "A");
    std::shared_ptr<Screen> b = std::make_shared<Screen>(log, "B");
    std::shared_ptr<Screen> c = std::make_shared<Screen>(log, "C");

    void SetUp() override { time.mainLoop(); }

    std::shared_ptr<ui::NavigationController> showStack()
    {
        auto navigation = std::make_shared<ui::NavigationController>(a);
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
        time.runUntilIdle();
        log.clear();
        return navigation;
    }
};

TEST_F(LifecycleTest, StackShownInTheWindowMakesItsRootAppear)
{
    auto navigation = std::make_shared<ui::NavigationController>(a);
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    EXPECT_EQ(log, (Log{"A.willMoveToParent", "A.didMoveToParent", "A.viewDidLoad", "A.viewWillAppear", "A.viewDidAppear"}));
    EXPECT_EQ(a->navigationController(), navigation.get());
}

TEST_F(LifecycleTest, PushAndPopCallTheCoveredAndTheNewScreenInOrder)
{
    struct Case {
        bool animated;
        double settle;
    };
    for (const auto& run : {Case{true, ui::NavigationController::transitionDuration}, Case{false, 0.0}}) {
        auto navigation = showStack();
        auto b = std::make_shared<Screen>(log, "B");
        navigation->pushViewController(b, run.animated);
        EXPECT_EQ(log, (Log{"B.willMoveToParent", "B.viewDidLoad", "A.viewWillDisappear", "B.viewWillAppear"})) << run.animated;
        log.clear();
        time.advance(run.settle);
        time.runUntilIdle();
        EXPECT_EQ(log, (Log{"A.viewDidDisappear", "B.viewDidAppear", "B.didMoveToParent"})) << run.animated;
        log.clear();

        EXPECT_EQ(navigation->popViewController(run.animated), b);
        EXPECT_EQ(log, (Log{"B.willMoveToParent(nil)", "B.viewWillDisappear", "A.viewWillAppear"})) << run.animated;
        log.clear();
        time.advance(run.settle);
        time.runUntilIdle();
        EXPECT_EQ(log, (Log{"B.viewDidDisappear", "A.viewDidAppear", "B.didMoveToParent(nil)"})) << run.animated;
        EXPECT_EQ(navigation->viewControllers().size(), 1u);
        log.clear();
    }
}

TEST_F(LifecycleTest, PopToRootSkipsTheScreensInBetween)
{
    auto navigation = showStack();
    navigation->setViewControllers({a, b, c}, false);
    time.runUntilIdle();
    log.clear();

    const auto popped = navigation->popToRootViewController(false);
    time.runUntilIdle();
    EXPECT_EQ(popped, (std::vector<std::shared_ptr<ui::ViewController>>{b, c}));
    EXPECT_EQ(log, (Log{"B.willMoveToParent(nil)", "C.willMoveToParent(nil)", "B.didMoveToParent(nil)", "C.viewWillDisappear",
                        "A.viewWillAppear", "C.viewDidDisappear", "A.viewDidAppear", "C.didMoveToParent(nil)"}));
    EXPECT_EQ(navigation->topViewController(), a.get());
    EXPECT_EQ(navigation->popViewController(false), nullptr) << "the root stays";
}

TEST_F(LifecycleTest, FullScreenPresentationHidesThePresenterAndBringsItBack)
{
    window->setRootViewController(a);
    window->makeKeyAndVisible();
    log.clear();
    Log done;
    a->present(b, true, [&] { done.push_back("presented"); });
    EXPECT_EQ(log, (Log{"A.viewWillDisappear", "B.viewDidLoad", "B.viewWillAppear"}));
    EXPECT_EQ(a->presentedViewController(), b.get());
    EXPECT_EQ(b->presentingViewController(), a.get());
    log.clear();
    time.advance(0.3);
    EXPECT_EQ(log, (Log{"B.viewDidAppear", "A.viewDidDisappear"}));
    EXPECT_EQ(done, (Log{"presented"}));
    EXPECT_EQ(a->view().window(), nullptr) << "the presenter's view leaves the window";
    log.clear();

    b->dismiss(false, [&] { done.push_back("dismissed"); });
    EXPECT_EQ(log, (Log{"B.viewWillDisappear", "A.viewWillAppear"}));
    time.runUntilIdle();
    EXPECT_EQ(log, (Log{"B.viewWillDisappear", "A.viewWillAppear", "A.viewDidAppear", "B.viewDidDisappear"}));
    EXPECT_EQ(done, (Log{"presented", "dismissed"}));
    EXPECT_EQ(a->presentedViewController(), nullptr);
    EXPECT_EQ(a->view().window(), window.get());
}

// Fades the presented view, and records what the platform asked it.
class FadeTransition : public ui::IViewControllerTransitioningDelegate, public ui::IViewControllerAnimatedTransitioning {
public:
    explicit FadeTransition(Log& log) : log_(log) {}
    class Chrome : public ui::PresentationController {
    public:
        Chrome(ui::ViewController& presented, ui::ViewController* presenting, Log& log) : PresentationController(presented, presenting), log_(log) {}
        void presentationTransitionWillBegin() override { log_.push_back("willBegin"); }
        void dismissalTransitionDidEnd(bool completed) override { log_.push_back(completed ? "dismissed" : "kept"); }

    private:
        Log& log_;
    };
    std::shared_ptr<ui::PresentationController> presentationController(ui::ViewController& presented, ui::ViewController* presenting,
                                                                       ui::ViewController&) override
    {
        return std::make_shared<Chrome>(presented, presenting, log_);
    }
    std::shared_ptr<ui::IViewControllerAnimatedTransitioning> animationControllerForPresented(ui::ViewController&, ui::ViewController&,
                                                                                              ui::ViewController&) override
    {
        return std::shared_ptr<ui::IViewControllerAnimatedTransitioning>(std::shared_ptr<void>(), this);
    }
    std::shared_ptr<ui::IViewControllerAnimatedTransitioning> animationControllerForDismissed(ui::ViewController&) override
    {
        return std::shared_ptr<ui::IViewControllerAnimatedTransitioning>(std::shared_ptr<void>(), this);
    }
    double transitionDuration(const ui::TransitionContext*) const override { return 0.5; }
    void animateTransition(ui::TransitionContext& context) override
    {
        const bool presenting = context.view(ui::TransitionKey::to) != nullptr;
        ui::View* view = context.view(presenting ? ui::TransitionKey::to : ui::TransitionKey::from);
        context.containerView().addSubview(view->shared_from_this());
        ui::ViewAnimation::animate(0.5, [view, presenting] { view->setAlpha(presenting ? 1 : 0); },
                                   [&context, this](bool) { context.completeTransition(completes); });
    }
    bool completes = true;

private:
    Log& log_;
};

TEST_F(LifecycleTest, CustomPresentationLeavesThePresenterSilentAndUsesTheDelegate)
{
    window->setRootViewController(a);
    window->makeKeyAndVisible();
    Log chrome;
    auto fade = std::make_shared<FadeTransition>(chrome);
    b->setModalPresentationStyle(ui::ModalPresentationStyle::custom);
    b->setTransitioningDelegate(fade);
    log.clear();

    a->present(b, true);
    time.advance(0.5);
    EXPECT_EQ(log, (Log{"B.viewDidLoad", "B.viewWillAppear", "B.viewDidAppear"}));
    EXPECT_EQ(chrome, (Log{"willBegin"}));
    EXPECT_EQ(a->view().window(), window.get()) << "the presenter stays on screen";
    ASSERT_NE(b->presentationController(), nullptr);
    EXPECT_EQ(b->view().superview(), b->presentationController()->containerView());
    log.clear();

    fade->completes = false;
    b->dismiss(true);
    time.advance(0.5);
    EXPECT_EQ(chrome, (Log{"willBegin", "kept"}));
    EXPECT_EQ(a->presentedViewController(), b.get()) << "a dismissal that did not complete keeps the pop-up";

    fade->completes = true;
    log.clear();
    b->dismiss(true);
    time.advance(0.5);
    EXPECT_EQ(log, (Log{"B.viewWillDisappear", "B.viewDidDisappear"}));
    EXPECT_EQ(chrome.back(), "dismissed");
    EXPECT_EQ(a->presentedViewController(), nullptr);
    EXPECT_EQ(b->view().window(), nullptr);
}

TEST_F(LifecycleTest, PresentingFromAStackPresentsFromItAndTwiceDoesNothing)
{
    auto navigation = showStack();
    a->present(b, false);
    time.runUntilIdle();
    EXPECT_EQ(navigation->presentedViewController(), b.get());
    EXPECT_EQ(b->presentingViewController(), navigation.get());
    EXPECT_EQ(log.front(), "A.viewWillDisappear") << "the stack passes the disappearance to its top screen";
    log.clear();
    a->present(c, false);
    time.runUntilIdle();
    EXPECT_TRUE(log.empty());
}

TEST_F(LifecycleTest, ChildWhoseViewJoinsAnAppearedParentAppearsAndLeavesWithIt)
{
    window->setRootViewController(a);
    window->makeKeyAndVisible();
    log.clear();
    a->addChild(b);
    a->view().addSubview(b->viewPointer());
    b->didMoveToParent(a.get());
    EXPECT_EQ(log, (Log{"B.willMoveToParent", "B.viewDidLoad", "B.viewWillAppear", "B.viewDidAppear", "B.didMoveToParent"}));
    log.clear();

    b->willMoveToParent(nullptr);
    b->view().removeFromSuperview();
    b->removeFromParent();
    EXPECT_EQ(log, (Log{"B.willMoveToParent(nil)", "B.viewWillDisappear", "B.viewDidDisappear", "B.didMoveToParent(nil)"}));
}

TEST(ViewAnimationTest, ValuesJumpAndTheScreenShowsThemMovingUntilTheCompletion)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto view = std::make_shared<ui::View>(ui::Rect{0, 0, 10, 10});
    Log done;
    ui::ViewAnimation::animate(0.5, 0.2, {.curve = ui::TimingFunction::linear}, [&] { view->setAlpha(0); },
                               [&](bool finished) { done.push_back(finished ? "finished" : "stopped"); });
    EXPECT_DOUBLE_EQ(view->alpha(), 0);
    const double start = time.now();
    EXPECT_DOUBLE_EQ(view->layer().presentationValue(ui::AnimatedProperty::opacity, start + 0.1), 1.0) << "held during the delay";
    EXPECT_DOUBLE_EQ(view->layer().presentationValue(ui::AnimatedProperty::opacity, start + 0.45), 0.5);
    time.advance(0.69);
    EXPECT_TRUE(done.empty());
    time.advance(0.01);
    EXPECT_EQ(done, (Log{"finished"}));

    ui::ViewAnimation::animate(0, [&] { view->setAlpha(1); }, [&](bool) { done.push_back("next turn"); });
    EXPECT_EQ(done.size(), 1u);
    time.runUntilIdle();
    EXPECT_EQ(done.back(), "next turn");

    ui::ViewAnimation::animate(1.0, 0, {.repeats = true, .autoreverses = true}, [&] { view->setAlpha(0.2); });
    time.advance(10);
    EXPECT_NE(view->layer().animation("opacity"), nullptr) << "a repeating animation stays";
}

} // namespace
