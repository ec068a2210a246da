#include "Class/SharedObject/TapEventReceiver.h"
#include "Class/SharedObject/TouchDetectorWindow.h"

#include "ui/Event.h"
#include "ui/TouchDriver.h"

#include <gtest/gtest.h>

namespace {

using tolvane::app::TapEventReceiver;
using tolvane::app::TouchDetectorWindow;

TEST(TouchReportingTest, ReceiverRepublishesTouchesAndTheirAbsence)
{
    TapEventReceiver receiver;
    std::vector<std::optional<size_t>> seen;
    auto subscription = receiver.touchEvent.publisher().sink([&](const std::optional<ui::TouchSet>& touches) {
        seen.push_back(touches ? std::optional<size_t>(touches->size()) : std::nullopt);
    });
    auto window = std::make_shared<ui::Window>(ui::Rect{0, 0, 100, 100});
    ui::TouchDriver driver(*window);
    auto touch = driver.begin({1, 1});
    receiver.onTap(ui::TouchSet{touch});
    receiver.onTap(std::nullopt);
    EXPECT_EQ(seen, (std::vector<std::optional<size_t>>{std::nullopt, 1, std::nullopt}));
}

TEST(TouchReportingTest, WindowKeepsTheTouchesOfTouchEventsOnly)
{
    auto window = std::make_shared<TouchDetectorWindow>(ui::Rect{0, 0, 100, 100});
    std::optional<ui::TouchSet> last;
    auto subscription = window->touchEventPublisher().sink([&](const std::optional<ui::TouchSet>& touches) { last = touches; });
    EXPECT_FALSE(last.has_value());

    ui::TouchDriver driver(*window);
    auto first = driver.begin({1, 1});
    driver.begin({2, 2});
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->size(), 2u);

    window->sendEvent(ui::Event(ui::EventType::motion, 0));
    EXPECT_EQ(last->size(), 2u) << "other events pass untouched";
}

} // namespace
