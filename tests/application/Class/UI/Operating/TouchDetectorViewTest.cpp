#include "Class/UI/Operating/View/TouchDetectorView.h"
#include "Class/UI/Operating/View/ToleranceFrame.h"

#include "foundation/VirtualTime.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace tolvane::app;

class TouchCountingBackground : public ui::View {
public:
    using View::View;
    int touches = 0;
    void touchesBegan(const ui::TouchSet&, const ui::Event&) override { ++touches; }
    void touchesEnded(const ui::TouchSet&, const ui::Event&) override { ++touches; }
};

struct DetectorScreen {
    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<TouchCountingBackground> background = std::make_shared<TouchCountingBackground>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<TouchDetectorView> detector = std::make_shared<TouchDetectorView>(ui::Rect{135, 570, 120, 240});
    ui::TouchDriver fingers{*window};
    std::vector<std::string> seen;
    rx::CancellableSet subscriptions;

    DetectorScreen()
    {
        time.mainLoop();
        window->addSubview(background);
        background->addSubview(detector);
        subscriptions.insert(detector->touchEvent.publisher().dropFirst().sink([this](const std::optional<TouchEvent>& event) {
            if (!event)
                return;
            static const char* names[] = {"began", "moved", "ended", "cancelled"};
            seen.push_back(std::string(names[static_cast<int>(event->type)]) + ":" + std::to_string(event->touches.size()) + "/" +
                           std::to_string(event->event ? event->event->allTouches().size() : 0));
        }));
    }
};

TEST(TouchDetectorViewTest, PublishesEveryCallbackAndKeepsTheTouchesToItself)
{
    DetectorScreen screen;
    auto finger = screen.fingers.begin({195, 760});
    screen.fingers.move(finger, {195, 700});
    screen.fingers.move(finger, {195, 640});
    auto second = screen.fingers.begin({200, 700});
    screen.fingers.cancel(second);
    screen.fingers.end(finger);

    // The cancelled event carries the cancelled finger; allTouches counts every finger in the event.
    EXPECT_EQ(screen.seen, (std::vector<std::string>{"began:1/1", "moved:1/1", "moved:1/1", "began:1/2", "cancelled:1/2", "ended:1/1"}));
    EXPECT_EQ(screen.background->touches, 0);
}

TEST(TouchDetectorViewTest, ALateSubscriberSeesOnlyLaterCallbacks)
{
    DetectorScreen screen;
    auto finger = screen.fingers.begin({195, 760});
    std::vector<TouchEventType> late;
    auto subscription = screen.detector->touchEvent.publisher().dropFirst().sink([&](const std::optional<TouchEvent>& event) {
        late.push_back(event->type);
    });
    screen.fingers.end(finger);
    EXPECT_EQ(late, std::vector<TouchEventType>{TouchEventType::ended});
}

TEST(ToleranceFrameTest, IsEmptyUntilSetSoEveryExtraFingerCounts)
{
    foundation::VirtualTime time;
    time.mainLoop();
    EXPECT_TRUE(ToleranceFrame::current().isEmpty());
    ToleranceFrame::set({10, 20, 30, 40});
    EXPECT_EQ(ToleranceFrame::current(), (ui::Rect{10, 20, 30, 40}));
    ToleranceFrame::set({});
}

} // namespace
