#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/SharedObject/StartScreenOption.h"
#include "Class/UI/Settings/View/SettingsViewController.h"

#include "ui/NavigationController.h"

#include <typeinfo>

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
    };
    for (const auto& [value, failure] : rows)
        EXPECT_EQ(StartScreenOption::open(value, *router), failure) << value;
    settle();
    EXPECT_TRUE(router->calls.empty());
    EXPECT_EQ(stack->viewControllers().size(), 1u);
}

} // namespace
} // namespace screen_testing
