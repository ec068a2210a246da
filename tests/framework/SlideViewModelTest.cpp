#include "SlideViewModel.h"

#include "ServiceRig.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/ScreenMetrics.h"
#include "ui/TouchDriver.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tolvane;
using Calls = std::vector<std::string>;

// The screen metrics are process-wide: every test puts the defaults back.
class ScreenMetricsScope {
public:
    ScreenMetricsScope() { ui::ScreenMetrics::shared().resetToDefaults(); }
    ~ScreenMetricsScope() { ui::ScreenMetrics::shared().resetToDefaults(); }
};

struct SlideRig : testing_support::ServiceRig {
    ScreenMetricsScope screen;
    std::shared_ptr<SlideViewModel> viewModel =
        std::make_shared<SlideViewModel>(sendingData, sdkStateData, displayData, willArbitrateData, vibrateControl);
    const foundation::Seconds constructedAt = time.now();

    SlideRig() { displayData->updateDisplayId(RequiredDisplayId::OPERATE); }

    // The point of the circle at the current time, as the record carries it.
    SmpOperation circlePoint() const
    {
        const double t = time.now() - constructedAt;
        return SmpOperation{.x = static_cast<uint32_t>(501 + 500 * std::sin(t)),
                            .y = static_cast<uint32_t>(501 + 500 * std::cos(t))};
    }
};

const SmpOperation origin{};

TEST(SlideViewModelTest, TheSquaresSitCentredAtTheBottomOfTheSafeArea)
{
    struct Case {
        ui::Size screen;
        std::optional<double> bottomInset; // none: no window
        ui::Rect start;
        ui::Rect operate;
    };
    const Case cases[] = {
        {{390, 844}, 34, {135, 690, 120, 120}, {135, 570, 120, 120}},
        {{390, 844}, std::nullopt, {135, 724, 120, 120}, {135, 604, 120, 120}},
        {{320, 568}, 0, {100, 448, 120, 120}, {100, 328, 120, 120}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.width << "x" << c.screen.height);
        SlideRig rig;
        ui::ScreenMetrics::shared().setScreenSize(c.screen);
        std::optional<ui::Window> window;
        if (c.bottomInset) {
            window.emplace(ui::Rect{0, 0, c.screen.width, c.screen.height});
            window->setSafeAreaInsets({47, 10, *c.bottomInset, 10});
        }
        EXPECT_EQ(rig.viewModel->startFrame(), c.start);
        EXPECT_EQ(rig.viewModel->operateFrame(), c.operate);
    }
}

TEST(SlideViewModelTest, EachSquareIsWorkedOutOnceOnItsFirstRead)
{
    SlideRig rig;
    const ui::Rect start = rig.viewModel->startFrame();
    ui::Window window(ui::Rect{0, 0, 390, 844});
    window.setSafeAreaInsets({0, 0, 100, 0});
    EXPECT_EQ(rig.viewModel->startFrame(), start);
    // Not read before, so it follows the window that came since.
    EXPECT_EQ(rig.viewModel->operateFrame(), (ui::Rect{135, 504, 120, 120}));
    window.setSafeAreaInsets({0, 0, 0, 0});
    EXPECT_EQ(rig.viewModel->operateFrame(), (ui::Rect{135, 504, 120, 120}));
}

// The application's slider: a long press on it starts a hold, lifting the finger ends it.
struct HeldSlider : SlideRig {
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<ui::View> slider = std::make_shared<ui::View>(viewModel->startFrame());
    ui::TouchDriver finger{*window};

    HeldSlider()
    {
        window->addSubview(slider);
        slider->addGestureRecognizer(std::make_shared<ui::LongPressGestureRecognizer>(
            [model = viewModel](ui::GestureRecognizer& press) {
                if (press.state() == ui::GestureRecognizerState::began)
                    model->onTap(true);
                else if (press.state() != ui::GestureRecognizerState::changed)
                    model->onTap(false);
            }));
    }

    std::shared_ptr<ui::Touch> pressAndHold()
    {
        auto touch = finger.begin(slider->frame().center());
        time.advance(ui::LongPressGestureRecognizer::defaultMinimumPressDuration);
        return touch;
    }
};

TEST(SlideViewModelTest, AHeldSliderWritesTheCirclePointEvery0_03SecondsAndLettingGoWritesTheOrigin)
{
    HeldSlider rig;
    rig.time.advance(2.0); // the phase counts from the view model's construction
    auto touch = rig.pressAndHold();
    EXPECT_EQ(rig.vibrateControl->calls, Calls{"start operating"});
    EXPECT_TRUE(rig.sendingData->written.empty());

    std::vector<SmpOperation> expected;
    for (int tick = 0; tick < 10; ++tick) {
        rig.time.advance(SlideViewModel::timerInterval);
        expected.push_back(rig.circlePoint());
        EXPECT_EQ(rig.sendingData->written, expected) << "tick " << tick;
    }
    rig.time.advance(0.01);
    EXPECT_EQ(rig.sendingData->written.size(), expected.size());

    rig.finger.end(touch);
    expected.push_back(origin);
    EXPECT_EQ(rig.sendingData->written, expected);
    EXPECT_EQ(rig.vibrateControl->calls, (Calls{"start operating", "stop", "start interruption"}));
    rig.time.advance(1.0);
    EXPECT_EQ(rig.sendingData->written, expected);
}

TEST(SlideViewModelTest, TheCircleStaysBetween1And1001AndIsTruncated)
{
    SlideRig rig;
    rig.viewModel->onTap(true);
    for (int tick = 0; tick < 220; ++tick) {
        rig.time.advance(SlideViewModel::timerInterval);
        const SmpOperation written = rig.sendingData->written.back();
        ASSERT_EQ(written, rig.circlePoint()) << "tick " << tick;
        ASSERT_GE(written.x, 1u);
        ASSERT_LE(written.x, 1001u);
        ASSERT_GE(written.y, 1u);
        ASSERT_LE(written.y, 1001u);
    }
}

TEST(SlideViewModelTest, AHoldShorterThanATickWritesOnlyTheOriginAndStillVibratesBoth)
{
    SlideRig rig;
    rig.viewModel->onTap(true);
    rig.time.advance(0.02);
    rig.viewModel->onTap(false);
    EXPECT_EQ(rig.sendingData->written, std::vector{origin});
    EXPECT_EQ(rig.vibrateControl->calls, (Calls{"start operating", "stop", "start interruption"}));
}

TEST(SlideViewModelTest, ASecondStartKeepsTheHoldAndAnEndWithoutAHoldDoesNothing)
{
    SlideRig rig;
    rig.viewModel->onTap(false);
    EXPECT_TRUE(rig.sendingData->written.empty());
    EXPECT_TRUE(rig.vibrateControl->calls.empty());

    rig.viewModel->onTap(true);
    rig.time.advance(0.015);
    rig.viewModel->onTap(true);
    rig.time.advance(0.015);
    EXPECT_EQ(rig.sendingData->written.size(), 1u);
    EXPECT_EQ(rig.vibrateControl->calls, Calls{"start operating"});
}

// The full rule is TouchPointGate's; here, that every tick goes through it.
TEST(SlideViewModelTest, EveryTickWritesTheOriginOffTheOperateScreen)
{
    SlideRig rig;
    rig.writeRunningOperation();
    rig.displayData->updateDisplayId(RequiredDisplayId::HALT);
    rig.viewModel->onTap(true);
    rig.time.advance(3 * SlideViewModel::timerInterval);
    const SmpOperation liftedRun = testing_support::runningWith([](SmpOperation& r) {
        r.x = r.y = 0;
        r.btn = BtSmpBtn::def;
    });
    EXPECT_EQ(rig.sendingData->written, std::vector(3, liftedRun));
}

TEST(SlideViewModelTest, AViewModelGoneDuringAHoldStopsItsTimer)
{
    SlideRig rig;
    rig.viewModel->onTap(true);
    rig.viewModel.reset();
    rig.time.advance(1.0);
    EXPECT_TRUE(rig.sendingData->written.empty());
    EXPECT_FALSE(rig.mainLoop.nextTimerDate().has_value());
}

} // namespace
