#include "foundation/VirtualTime.h"
#include "ui/Event.h"
#include "ui/NavigationController.h"
#include "ui/Touch.h"
#include "ui/TouchDriver.h"
#include "ui/View.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Phases = std::vector<std::string>;

class PhaseRecordingView : public ui::View {
public:
    Phases phases;
    void touchesBegan(const ui::TouchSet&, const ui::Event&) override { phases.push_back("began"); }
    void touchesMoved(const ui::TouchSet&, const ui::Event&) override { phases.push_back("moved"); }
    void touchesEnded(const ui::TouchSet&, const ui::Event&) override { phases.push_back("ended"); }
    void touchesCancelled(const ui::TouchSet&, const ui::Event&) override { phases.push_back("cancelled"); }
};

// A screen whose whole face records the touches it gets.
class TouchScreen : public ui::ViewController {
public:
    void loadView() override { setView(face); }
    std::shared_ptr<PhaseRecordingView> face = std::make_shared<PhaseRecordingView>();
};

class TransitionTouchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        time.mainLoop();
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
    }

    void settle()
    {
        time.advance(1.0);
        time.runUntilIdle();
    }

    foundation::VirtualTime time;
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<TouchScreen> a = std::make_shared<TouchScreen>();
    std::shared_ptr<TouchScreen> b = std::make_shared<TouchScreen>();
    std::shared_ptr<ui::NavigationController> stack = std::make_shared<ui::NavigationController>(a);
};

// As on the phone, a screen on its way in or out takes no new touches: a tap that lands while a
// screen slides would act on a screen the user no longer sees, or on one not ready yet.
TEST_F(TransitionTouchTest, AFingerPutDownWhileAScreenMovesReachesNoScreenAndTheNextOneDoes)
{
    const struct {
        const char* name;
        std::function<void()> before;
        std::function<void()> move;
        TouchScreen* shownBefore;
        TouchScreen* shownAfter;
    } cases[] = {
        {"push", [] {}, [this] { stack->pushViewController(b, true); }, a.get(), b.get()},
        {"pop", [this] { stack->pushViewController(b, false); }, [this] { stack->popViewController(true); }, b.get(), a.get()},
        {"present", [] {}, [this] { stack->present(b, true); }, a.get(), b.get()},
        {"dismiss", [this] { stack->present(b, false); }, [this] { stack->dismiss(true); }, b.get(), a.get()},
    };
    for (const auto& c : cases) {
        c.before();
        settle();
        for (auto* screen : {a.get(), b.get()})
            screen->face->phases.clear();
        ui::TouchDriver driver(*window);
        const auto held = driver.begin({100, 400});

        c.move();
        time.advance(0.1);
        driver.tap({200, 600});
        driver.move(held, {120, 420});
        driver.end(held);
        EXPECT_EQ(c.shownBefore->face->phases, (Phases{"began", "moved", "ended"})) << c.name << ": a finger already down is followed";
        EXPECT_TRUE(c.shownAfter->face->phases.empty()) << c.name;

        settle();
        driver.tap({200, 600});
        EXPECT_EQ(c.shownAfter->face->phases, (Phases{"began", "ended"})) << c.name << ": once the screen has arrived";

        stack->dismiss(false);
        stack->popToRootViewController(false);
        settle();
    }
}

} // namespace
