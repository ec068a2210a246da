#include "foundation/VirtualTime.h"
#include "ui/NavigationController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Dismissals asked for while a transition of the same presentation is under way wait for it.
class RepeatedDismissalTest : public ::testing::Test {
protected:
    RepeatedDismissalTest()
    {
        time.mainLoop();
        window->setRootViewController(root);
        window->makeKeyAndVisible();
    }

    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>();
    std::shared_ptr<ui::ViewController> root = std::make_shared<ui::ViewController>();
    std::vector<std::string> done;
};

TEST_F(RepeatedDismissalTest, ADismissalAskedForAgainEndsOnceAndRunsEveryCompletion)
{
    auto outer = std::make_shared<ui::NavigationController>(std::make_shared<ui::ViewController>());
    auto inner = std::make_shared<ui::NavigationController>(std::make_shared<ui::ViewController>());
    root->present(outer, false);
    time.runUntilIdle();
    outer->present(inner, false);
    time.runUntilIdle();

    inner->dismiss(false, [&] { done.push_back("inner"); });
    // The outer dismissal takes whatever the outer stack presents first, the inner one included.
    root->dismiss(false, [&] { done.push_back("outer"); });
    inner->dismiss(false, [&] { done.push_back("inner again"); });
    time.runUntilIdle();

    EXPECT_EQ(done, (std::vector<std::string>{"inner", "inner again", "outer"}));
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_EQ(outer->presentedViewController(), nullptr);
}

TEST_F(RepeatedDismissalTest, ADismissalAskedForDuringThePresentationFollowsItsEnd)
{
    auto presented = std::make_shared<ui::ViewController>();
    root->present(presented, true, [&] { done.push_back("presented"); });
    root->dismiss(false, [&] { done.push_back("dismissed"); });
    time.runUntilIdle();
    EXPECT_TRUE(done.empty()) << "the presentation is still moving";
    time.advance(1.0);
    time.runUntilIdle();
    EXPECT_EQ(done, (std::vector<std::string>{"presented", "dismissed"}));
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_FALSE(presented->isAppeared());
}

TEST_F(RepeatedDismissalTest, AControllerIsBeingDismissedFromTheRequestToTheEnd)
{
    auto presented = std::make_shared<ui::ViewController>();
    root->present(presented, true);
    EXPECT_FALSE(presented->isBeingDismissed());
    root->dismiss(false);
    EXPECT_TRUE(presented->isBeingDismissed()) << "waiting for the presentation to end";
    time.advance(1.0);
    time.runUntilIdle();
    EXPECT_FALSE(presented->isBeingDismissed());

    root->present(presented, false);
    time.runUntilIdle();
    root->dismiss(false, [&] { done.push_back("dismissed"); });
    EXPECT_TRUE(presented->isBeingDismissed());
    time.runUntilIdle();
    EXPECT_EQ(done, std::vector<std::string>{"dismissed"});
    EXPECT_FALSE(presented->isBeingDismissed());
    EXPECT_FALSE(root->isBeingDismissed()) << "the presenter is not presented";
}

TEST_F(RepeatedDismissalTest, APresentationStillMovingEndsWhenItsPresenterIsDismissedAndFreed)
{
    auto outer = std::make_shared<ui::NavigationController>(std::make_shared<ui::ViewController>());
    root->present(outer, false);
    time.runUntilIdle();
    auto inner = std::make_shared<ui::ViewController>();
    outer->present(inner, true, [&] { done.push_back("presented"); });
    outer->dismiss(true, [&] { done.push_back("inner dismissed"); });
    root->dismiss(false, [&] { done.push_back("outer dismissed"); });
    std::weak_ptr<ui::NavigationController> outerGone = outer;
    outer.reset();
    time.runUntilIdle();
    time.advance(1.0);
    time.runUntilIdle();

    EXPECT_EQ(done, (std::vector<std::string>{"presented", "inner dismissed", "outer dismissed"}));
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_TRUE(outerGone.expired());
    EXPECT_EQ(inner->presentingViewController(), nullptr);
}

} // namespace
