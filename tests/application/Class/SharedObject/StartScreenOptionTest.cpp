#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/SharedObject/StartScreenOption.h"
#include "Class/UI/Settings/View/SettingsViewController.h"

#include "ui/NavigationController.h"

#include <typeinfo>
#include <variant>

namespace screen_testing {
namespace {

class StartScreenOptionTest : public ApplicationTest {
protected:
    StartScreenOptionTest() { showStack(); }
};

TEST_F(StartScreenOptionTest, ScreensWithAnArgumentGoThroughTheirRoute)
{
    const std::pair<std::string, std::string> rows[] = {
        {"Warn:VEHICLE_FAIL_OUT", "showWarn(VEHICLE_FAIL_OUT)"},
        {"Warn:timedOutCloseTerminal", "showWarn(timedOutCloseTerminal)"},
        {"IGONWarn:BREAK_TIMEOUT", "showIGONWarn(BREAK_TIMEOUT)"},
        {"IGONWarn:EPS_UNLEARNED", "showIGONWarn(CauseId(255))"},
    };
    for (const auto& [value, call] : rows) {
        router->calls.clear();
        EXPECT_EQ(StartScreenOption::open(value, *router), "") << value;
        EXPECT_EQ(router->calls, std::vector<std::string>{call}) << value;
    }
}

TEST_F(StartScreenOptionTest, AStoryboardNameOpensItsScreenOverTheFirstScreen)
{
    EXPECT_EQ(StartScreenOption::open("Settings", *router), "");
    settle();
    ASSERT_EQ(stack->viewControllers().size(), 2u);
    const auto& top = *stack->topViewController();
    EXPECT_EQ(typeid(top), typeid(SettingsViewController));
}

TEST_F(StartScreenOptionTest, AValueThatNamesNothingSaysWhyAndOpensNothing)
{
    const std::pair<std::string, std::string> rows[] = {
        {"Nowhere", "no screen named \"Nowhere\""},
        {"Warn:NOWHERE", "\"Warn\" needs a cause or a warning kind after a colon, not \"NOWHERE\""},
        {"Warn", "\"Warn\" needs a cause or a warning kind after a colon, not \"\""},
        {"IGONWarn:timedOutCloseTerminal", "\"IGONWarn\" needs a cause after a colon, not \"timedOutCloseTerminal\""},
        {"Settings:deep", "\"Settings\" takes no argument"},
        {std::string(100000, 'x'), "no screen named \"" + std::string(60, 'x') + "...\" (100000 bytes)"},
    };
    for (const auto& [value, failure] : rows)
        EXPECT_EQ(StartScreenOption::open(value, *router), failure) << value;
    settle();
    EXPECT_TRUE(router->calls.empty());
    EXPECT_EQ(stack->viewControllers().size(), 1u);
}

TEST_F(StartScreenOptionTest, AScreenOfTheRoadOpensOverTheFirstScreenTheStartChecksHandOverToAndAnEndScreenAtOnce)
{
    std::vector<std::string> failures;
    const auto openWhenDue = [&](std::string_view value) {
        auto request = StartScreenOption::read(value);
        ASSERT_TRUE(std::holds_alternative<StartScreenOption::Opening>(request)) << value;
        StartScreenOption::openWhenDue(std::get<StartScreenOption::Opening>(request), router,
                                       [&failures](const std::string& failure) { failures.push_back(failure); });
    };
    openWhenDue("Settings");
    settle();
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 1u) << "the start checks are still on";

    const auto first = std::make_shared<ui::ViewController>();
    stack->pushViewController(first, false);
    const auto terms = std::make_shared<ui::ViewController>();
    first->present(terms, false);
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 2u) << "the terms of use wait over the first screen";
    terms->dismiss(false);
    settle();
    ASSERT_EQ(stack->viewControllers().size(), 3u);
    EXPECT_EQ(stack->viewControllers()[1], first);
    const auto& top = *stack->topViewController();
    EXPECT_EQ(typeid(top), typeid(SettingsViewController));
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 3u) << "once";

    openWhenDue("Warn:disconnectAtIGONWarn");
    EXPECT_EQ(router->calls, std::vector<std::string>{"showWarn(disconnectAtIGONWarn)"});
    EXPECT_TRUE(failures.empty());
}

} // namespace
} // namespace screen_testing
