#include "ui/Event.h"
#include "ui/Touch.h"
#include "ui/TouchDriver.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ui::Point;
using ui::Rect;
using ui::TouchSet;

class TouchRecordingView : public ui::View {
public:
    using View::View;
    std::vector<std::string> phases;
    std::vector<Point> locations;
    size_t allTouchesOfLastEvent = 0;

    void touchesBegan(const TouchSet& t, const ui::Event& e) override { record("began", t, e); }
    void touchesMoved(const TouchSet& t, const ui::Event& e) override { record("moved", t, e); }
    void touchesEnded(const TouchSet& t, const ui::Event& e) override { record("ended", t, e); }
    void touchesCancelled(const TouchSet& t, const ui::Event& e) override { record("cancelled", t, e); }

private:
    void record(const char* phase, const TouchSet& touches, const ui::Event& event)
    {
        phases.push_back(phase);
        locations.push_back(touches.front()->location(this));
        allTouchesOfLastEvent = event.allTouches().size();
    }
};

struct Screen {
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    std::shared_ptr<TouchRecordingView> back = std::make_shared<TouchRecordingView>(Rect{0, 0, 390, 844});
    std::shared_ptr<TouchRecordingView> card = std::make_shared<TouchRecordingView>(Rect{50, 100, 200, 200});
    std::shared_ptr<TouchRecordingView> button = std::make_shared<TouchRecordingView>(Rect{10, 10, 50, 30});
    Screen()
    {
        window->addSubview(back);
        back->addSubview(card);
        card->addSubview(button);
    }
};

TEST(HitTestTest, DeepestViewThatTakesTouchesWins)
{
    struct Case {
        const char* name;
        std::function<void(Screen&)> change;
        Point point;
        const char* expected;
    };
    const std::vector<Case> cases{
        {"on the button", [](Screen&) {}, {70, 120}, "button"},
        {"on the card", [](Screen&) {}, {200, 250}, "card"},
        {"outside the card", [](Screen&) {}, {10, 10}, "back"},
        {"left and top edges are inside", [](Screen&) {}, {60, 110}, "button"},
        {"right edge is outside", [](Screen&) {}, {110, 120}, "card"},
        {"hidden button", [](Screen& x) { x.button->setHidden(true); }, {70, 120}, "card"},
        {"transparent button", [](Screen& x) { x.button->setAlpha(0.005); }, {70, 120}, "card"},
        {"button without interaction", [](Screen& x) { x.button->setUserInteractionEnabled(false); }, {70, 120}, "card"},
        {"card without interaction hides its subviews", [](Screen& x) { x.card->setUserInteractionEnabled(false); }, {70, 120}, "back"},
        {"subview outside its superview's bounds is not hit", [](Screen& x) { x.button->setFrame({250, 0, 50, 30}); }, {310, 110}, "back"},
        {"front sibling wins", [](Screen& x) { x.back->addSubview(std::make_shared<TouchRecordingView>(Rect{0, 0, 390, 844})); }, {70, 120}, "cover"},
    };
    for (const auto& c : cases) {
        Screen screen;
        c.change(screen);
        ui::View* hit = screen.window->hitTest(c.point, nullptr);
        const std::string name = hit == screen.button.get() ? "button"
                                 : hit == screen.card.get() ? "card"
                                 : hit == screen.back.get() ? "back"
                                                            : "cover";
        EXPECT_EQ(name, c.expected) << c.name;
    }
}

TEST(TouchDeliveryTest, TouchStaysBoundToTheViewItBeganIn)
{
    Screen s;
    ui::TouchDriver driver(*s.window);
    auto touch = driver.begin({70, 120});
    driver.move(touch, {300, 700});
    driver.end(touch);

    EXPECT_EQ(touch->view(), s.button.get());
    EXPECT_EQ(s.button->phases, (std::vector<std::string>{"began", "moved", "ended"}));
    EXPECT_EQ(s.button->locations, (std::vector<Point>{{10, 10}, {240, 590}, {240, 590}}));
    EXPECT_TRUE(s.back->phases.empty()) << "the view under the finger later sees nothing";
    EXPECT_EQ(touch->previousLocation(nullptr), (Point{300, 700}));
}

TEST(TouchDeliveryTest, EventCarriesEveryFingerOnTheGlass)
{
    Screen s;
    ui::TouchDriver driver(*s.window);
    auto first = driver.begin({70, 120});
    auto second = driver.begin({10, 10});
    EXPECT_EQ(s.back->allTouchesOfLastEvent, 2u);
    EXPECT_EQ(first->phase(), ui::TouchPhase::stationary);

    driver.end(first);
    EXPECT_EQ(s.button->allTouchesOfLastEvent, 2u) << "the lifting finger is still in its own event";
    driver.move(second, {20, 20});
    EXPECT_EQ(s.back->allTouchesOfLastEvent, 1u);
}

TEST(TouchDeliveryTest, AViewKeepingItsLastTouchesIsFreedOnceTheFingerHasLiftedAndTheViewIsGone)
{
    // As a control that publishes its last touch event keeps it.
    class KeepingView final : public ui::View {
    public:
        using View::View;
        void touchesBegan(const TouchSet& t, const ui::Event&) override { last = t; }
        void touchesEnded(const TouchSet& t, const ui::Event&) override { last = t; }
        TouchSet last;
    };
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto view = std::make_shared<KeepingView>(Rect{0, 0, 100, 100});
    window->addSubview(view);
    ui::TouchDriver driver(*window);
    auto touch = driver.begin({10, 10});
    driver.end(touch);
    EXPECT_EQ(touch->view(), view.get()) << "still named while its view lives";

    std::weak_ptr<KeepingView> watched = view;
    view->removeFromSuperview();
    view.reset();
    EXPECT_TRUE(watched.expired());
    EXPECT_EQ(touch->view(), nullptr);
}

TEST(TouchDeliveryTest, UnhandledTouchesGoUpTheResponderChain)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    auto container = std::make_shared<TouchRecordingView>(Rect{0, 0, 390, 844});
    auto plain = std::make_shared<ui::View>(Rect{0, 0, 100, 100});
    window->addSubview(container);
    container->addSubview(plain);

    ui::TouchDriver(*window).tap({10, 10});
    EXPECT_EQ(container->phases, (std::vector<std::string>{"began", "ended"}));
}

TEST(TouchDeliveryTest, TouchOutsideEveryViewIsBoundToNone)
{
    auto window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    window->setUserInteractionEnabled(false);
    ui::TouchDriver driver(*window);
    auto touch = driver.begin({10, 10});
    EXPECT_EQ(touch->view(), nullptr);
    driver.end(touch);
    EXPECT_TRUE(driver.touchesDown().empty());
}

} // namespace
