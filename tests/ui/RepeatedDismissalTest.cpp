#include "foundation/VirtualTime.h"
#include "ui/NavigationController.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A dismissal asked for while one is under way waits for it: the presentation ends once, and every
// caller's completion runs after it.
TEST(RepeatedDismissalTest, ADismissalAskedForAgainEndsOnceAndRunsEveryCompletion)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto window = std::make_shared<ui::Window>();
    auto root = std::make_shared<ui::ViewController>();
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    auto outer = std::make_shared<ui::NavigationController>(std::make_shared<ui::ViewController>());
    auto inner = std::make_shared<ui::NavigationController>(std::make_shared<ui::ViewController>());
    root->present(outer, false);
    time.runUntilIdle();
    outer->present(inner, false);
    time.runUntilIdle();

    std::vector<std::string> done;
    inner->dismiss(false, [&] { done.push_back("inner"); });
    // The outer dismissal takes whatever the outer stack presents first, the inner one included.
    root->dismiss(false, [&] { done.push_back("outer"); });
    inner->dismiss(false, [&] { done.push_back("inner again"); });
    time.runUntilIdle();

    EXPECT_EQ(done, (std::vector<std::string>{"inner", "inner again", "outer"}));
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_EQ(outer->presentedViewController(), nullptr);
}

} // namespace

namespace {

TEST(RepeatedDismissalTest, ADismissalAskedForDuringThePresentationFollowsItsEnd)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto window = std::make_shared<ui::Window>();
    auto root = std::make_shared<ui::ViewController>();
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    auto presented = std::make_shared<ui::ViewController>();
    std::vector<std::string> done;
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

} // namespace
