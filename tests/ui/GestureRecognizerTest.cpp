#include "foundation/VirtualTime.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/TapGestureRecognizer.h"
#include "ui/Touch.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using State = ui::GestureRecognizerState;
using ui::Point;
using ui::Rect;

std::string name(State state)
{
    switch (state) {
    case State::possible: return "possible";
    case State::began: return "began";
    case State::changed: return "changed";
    case State::ended: return "ended";
    case State::cancelled: return "cancelled";
    case State::failed: return "failed";
    }
    return "?";
}

class ViewTouches : public ui::View {
public:
    using View::View;
    std::vector<std::string> phases;
    void touchesBegan(const ui::TouchSet&, const ui::Event&) override { phases.push_back("began"); }
    void touchesEnded(const ui::TouchSet&, const ui::Event&) override { phases.push_back("ended"); }
    void touchesCancelled(const ui::TouchSet&, const ui::Event&) override { phases.push_back("cancelled"); }
};

class AlwaysTogether : public ui::IGestureRecognizerDelegate {
public:
    bool shouldRecognizeSimultaneously(ui::GestureRecognizer&, ui::GestureRecognizer&) override { return true; }
};

class GestureRecognizerTest : public ::testing::Test {
protected:
    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(Rect{0, 0, 390, 844});
    std::shared_ptr<ViewTouches> ring = std::make_shared<ViewTouches>(Rect{100, 200, 100, 100});
    ui::TouchDriver driver{*window};

    void SetUp() override
    {
        time.mainLoop();
        window->addSubview(ring);
    }

    // Records each action call as "<state>@<x>,<y>" with the location in the ring.
    template <class Recognizer>
    std::shared_ptr<Recognizer> install(std::vector<std::string>& log)
    {
        auto recognizer = std::make_shared<Recognizer>([&log, this](ui::GestureRecognizer& r) {
            const Point p = r.location(ring.get());
            log.push_back(name(r.state()) + "@" + std::to_string(int(p.x)) + "," + std::to_string(int(p.y)));
        });
        ring->addGestureRecognizer(recognizer);
        return recognizer;
    }
};

TEST_F(GestureRecognizerTest, LongPressWithNoMinimumBeginsAsTheFingerLandsAndFollowsItOutside)
{
    std::vector<std::string> log;
    auto press = install<ui::LongPressGestureRecognizer>(log);
    press->setMinimumPressDuration(0);

    auto touch = driver.begin({110, 220});
    driver.move(touch, {150, 250});
    driver.move(touch, {400, 100});
    driver.end(touch);

    EXPECT_EQ(log, (std::vector<std::string>{"began@10,20", "changed@50,50", "changed@300,-100", "ended@300,-100"}));
    EXPECT_EQ(press->state(), State::possible) << "ready for the next touch";
    EXPECT_EQ(press->view(), ring.get());
    EXPECT_TRUE(ring->phases.empty()) << "the press took the touch before the view saw it";
}

TEST_F(GestureRecognizerTest, LongPressWaitsItsMinimumOnTheClock)
{
    std::vector<std::string> log;
    install<ui::LongPressGestureRecognizer>(log);

    auto touch = driver.begin({110, 220});
    time.advance(0.4);
    EXPECT_TRUE(log.empty());
    time.advance(0.1);
    EXPECT_EQ(log, (std::vector<std::string>{"began@10,20"}));
    driver.end(touch);
    EXPECT_EQ(log.back(), "ended@10,20");
    EXPECT_EQ(ring->phases, (std::vector<std::string>{"began", "cancelled"})) << "the view lost the touch to the press";
}

TEST_F(GestureRecognizerTest, LongPressFailsWhenTheFingerMovesOrLiftsTooEarly)
{
    std::vector<std::string> log;
    auto press = install<ui::LongPressGestureRecognizer>(log);

    auto moved = driver.begin({110, 220});
    driver.move(moved, {130, 220});
    EXPECT_EQ(press->state(), State::failed);
    driver.end(moved);

    driver.tap({110, 220});
    time.advance(1.0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ring->phases, (std::vector<std::string>{"began", "ended", "began", "ended"}));
}

TEST_F(GestureRecognizerTest, CancelledTouchCancelsABegunPress)
{
    std::vector<std::string> log;
    auto press = install<ui::LongPressGestureRecognizer>(log);
    press->setMinimumPressDuration(0);
    driver.cancel(driver.begin({110, 220}));
    EXPECT_EQ(log, (std::vector<std::string>{"began@10,20", "cancelled@10,20"}));
}

TEST_F(GestureRecognizerTest, TapIsRecognisedOnLiftAndFailsWhenTheFingerWanders)
{
    std::vector<std::string> log;
    install<ui::TapGestureRecognizer>(log);

    driver.tap({150, 250});
    EXPECT_EQ(log, (std::vector<std::string>{"ended@50,50"}));

    auto touch = driver.begin({150, 250});
    driver.move(touch, {150, 270});
    driver.end(touch);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(GestureRecognizerTest, RecognisersExcludeEachOtherUnlessTheDelegateAllows)
{
    for (const bool together : {false, true}) {
        auto view = std::make_shared<ViewTouches>(Rect{0, 0, 50, 50});
        window->addSubview(view);
        std::vector<std::string> log;
        auto press = std::make_shared<ui::LongPressGestureRecognizer>([&](ui::GestureRecognizer& r) { log.push_back("press " + name(r.state())); });
        auto tap = std::make_shared<ui::TapGestureRecognizer>([&](ui::GestureRecognizer& r) { log.push_back("tap " + name(r.state())); });
        press->setMinimumPressDuration(0);
        auto delegate = std::make_shared<AlwaysTogether>();
        if (together)
            press->setDelegate(delegate);
        view->addGestureRecognizer(press);
        window->addGestureRecognizer(tap);

        driver.tap({10, 10});
        const std::vector<std::string> expected = together ? std::vector<std::string>{"press began", "press ended", "tap ended"}
                                                           : std::vector<std::string>{"press began", "press ended"};
        EXPECT_EQ(log, expected) << "together: " << together;
        view->removeFromSuperview();
        window->removeGestureRecognizer(tap.get());
    }
}

TEST_F(GestureRecognizerTest, DisabledRecogniserIgnoresTouchesAndMovingItChangesItsView)
{
    std::vector<std::string> log;
    auto tap = install<ui::TapGestureRecognizer>(log);
    tap->setEnabled(false);
    driver.tap({150, 250});
    EXPECT_TRUE(log.empty());

    auto other = std::make_shared<ui::View>();
    other->addGestureRecognizer(tap);
    EXPECT_EQ(tap->view(), other.get());
    EXPECT_TRUE(ring->gestureRecognizers().empty());
}

} // namespace
