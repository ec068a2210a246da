#include "SliderTestScreen.h"

#include "framework/ServiceRig.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"
#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"
#include "Class/UI/Operating/View/Animation/OperateAnimation.h"
#include "Class/UI/Operating/View/ToleranceFrame.h"

#include "SlideViewModel.h"
#include "ui/GoldenImage.h"
#include "ui/LayerRenderer.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

#include <gtest/gtest.h>

#include <functional>

namespace operating_testing {
namespace {

using TapState = SliderControlView::TapState;
using Factor = SliderControlView::LongTapInterruptionFactor;
using Taps = std::vector<bool>;

constexpr const char* statisticsKey = "tirmalunesko/kongchecaozuo/huadongbingchangan";
constexpr const char* guidance = "To move the vehicle, slide the button up to the indicated area and hold it in place";
constexpr const char* releaseToStop = "To stop the vehicle, please release your finger from the screen";

TEST(SliderControlViewTest, TheFingerScriptBecomesTapStatesAndFrameworkCalls)
{
    SliderTestScreen screen;
    auto& slider = *screen.slider;
    std::shared_ptr<ui::Touch> finger;
    struct Step {
        const char* what;
        std::function<void()> act;
        TapState state;
        Taps newTaps;
        size_t statistics;
        double knobY;
    };
    const Step steps[]{
        {"down on the knob", [&] { finger = screen.fingers.begin({195, 760}); }, TapState::start, {false}, 1, 734.04},
        {"sliding up", [&] { screen.fingers.move(finger, {195, 700}); }, TapState::start, {}, 1, 662.02},
        {"in the target", [&] { screen.fingers.move(finger, {195, 640}); }, TapState::longTap, {true}, 1, 562.48},
        // On the target's bottom edge: a candidate through the start square, inside the target for the decision.
        {"on the target's edge", [&] { screen.fingers.move(finger, {195, 690}); }, TapState::longTap, {}, 1, 562.48},
        {"back below the target", [&] { screen.fingers.move(finger, {195, 700}); }, TapState::start, {false}, 2, 562.48},
        {"lifted", [&] { screen.fingers.end(finger); }, TapState::undetect, {false}, 2, 734.04},
    };
    Taps taps;
    for (const Step& step : steps) {
        step.act();
        taps.insert(taps.end(), step.newTaps.begin(), step.newTaps.end());
        EXPECT_EQ(slider.tapState(), step.state) << step.what;
        EXPECT_EQ(screen.slide().taps, taps) << step.what;
        EXPECT_EQ(screen.statistics.size(), step.statistics) << step.what;
        EXPECT_NEAR(slider.outlets().slideButton->frame().minY(), step.knobY, 1e-6) << step.what;
    }
    EXPECT_EQ(screen.statistics.front(), statisticsKey);
    EXPECT_EQ(slider.longTapInterruptionFactor(), Factor::noTouching);
    EXPECT_EQ(slider.longTapFailedTime(), 1);
}

TEST(SliderControlViewTest, TheLooksFollowTheTapState)
{
    SliderTestScreen screen;
    const auto& out = screen.slider->outlets();
    // At rest: the small knob at the bottom of the start square, the full track, the guidance.
    EXPECT_EQ(out.slideButton->frame(), (ui::Rect{157.02, 734.04, 75.96, 75.96}));
    EXPECT_NEAR(out.slideBar->frame().minY(), 588.222, 1e-9);
    EXPECT_NEAR(out.slideBar->frame().height(), 225.576, 1e-9);
    EXPECT_NEAR(out.slideBar->frame().width(), 83.556, 1e-9);
    EXPECT_EQ(out.guidanceLabel->text(), std::optional<std::string>(guidance));
    EXPECT_NEAR(out.guidanceLabel->font().pointSize(), 18.568, 1e-9);
    EXPECT_NEAR(out.holdingAnimation->frame().width(), 206.78, 1e-9);
    EXPECT_EQ(out.holdingAnimation->frame().center(), (ui::Point{195, 630}));

    auto finger = screen.fingers.begin({195, 760});
    screen.fingers.move(finger, {195, 700});
    EXPECT_NEAR(out.slideBar->frame().height(), 153.556, 1e-9);
    EXPECT_FALSE(out.slideBar->isHidden());

    screen.fingers.move(finger, {195, 640});
    EXPECT_TRUE(out.slideBar->isHidden());
    EXPECT_TRUE(out.beforeAnimation->isHidden());
    EXPECT_FALSE(out.holdingAnimation->isHidden());
    EXPECT_NEAR(out.slideButton->frame().width(), 135.04, 1e-9);
    EXPECT_EQ(out.guidanceLabel->text(), std::optional<std::string>(releaseToStop));

    // Back to start: the knob shrinks at its top-left corner.
    screen.fingers.move(finger, {195, 700});
    EXPECT_NEAR(out.slideButton->frame().minX(), 127.48, 1e-9);
    EXPECT_NEAR(out.slideButton->frame().width(), 75.96, 1e-9);
}

TEST(SliderControlViewTest, OnlyTouchesInsideTheSquaresCount)
{
    struct Case {
        const char* what;
        ui::Point moveTo;
        TapState state;
        Taps taps;
    };
    const Case cases[]{
        {"inside the start square", {254, 760}, TapState::start, {false}},
        // The right edge is outside for the candidates: no finger left.
        {"on the right edge", {255, 760}, TapState::undetect, {false, false}},
        // Beside both squares but below the target: off the track.
        {"below the start square", {195, 811}, TapState::undetect, {false, false}},
    };
    for (const Case& c : cases) {
        SliderTestScreen screen;
        auto finger = screen.fingers.begin({195, 760});
        screen.fingers.move(finger, c.moveTo);
        EXPECT_EQ(screen.slider->tapState(), c.state) << c.what;
        EXPECT_EQ(screen.slide().taps, c.taps) << c.what;
    }
}

TEST(SliderControlViewTest, EarlyReleasesAreCountedThenAnswered)
{
    struct Case {
        double hold;
        int counted;
    };
    for (const Case& c : {Case{5.0, 1}, Case{5.01, 0}}) {
        SliderTestScreen screen;
        auto finger = screen.fingers.begin({195, 760});
        screen.fingers.move(finger, {195, 640});
        screen.time.advance(c.hold);
        screen.fingers.end(finger);
        EXPECT_EQ(screen.slider->longTapFailedTime(), c.counted) << c.hold;
        EXPECT_EQ(screen.model->hintTimerStarts, 1) << c.hold;
    }

    // After the first operation: no guidance at rest, but after the second early release, and from
    // then on at every release.
    SliderTestScreen screen;
    screen.defaults->setBool(rawValue(UserDefaultsKey::notShowFirstOperate), true);
    screen.layoutAgain();
    const auto& label = *screen.slider->outlets().guidanceLabel;
    std::vector<std::optional<std::string>> shown;
    for (int release = 0; release < 3; ++release) {
        auto finger = screen.fingers.begin({195, 760});
        screen.fingers.move(finger, {195, 640});
        screen.fingers.end(finger);
        shown.push_back(label.text());
    }
    EXPECT_EQ(shown, (std::vector<std::optional<std::string>>{"", guidance, guidance}));
    EXPECT_EQ(screen.slider->longTapFailedTime(), 1);
}

TEST(SliderControlViewTest, ASecondFingerOnTheScreenEndsTheHold)
{
    struct Case {
        const char* what;
        bool screenLaidOut;
        bool hold;
        ui::Point second;
        std::vector<InAppWarningKind> warnings;
        TapState state;
    };
    const ui::Rect navigationBar{0, 47, 390, 44};
    const Case cases[]{
        {"while holding", true, true, {60, 300}, {InAppWarningKind::overrideOperations}, TapState::undetect},
        {"while sliding", true, false, {60, 300}, {}, TapState::undetect},
        {"before the screen's layout", false, true, {60, 300}, {}, TapState::longTap},
        {"in the tolerated area", true, true, {60, 150}, {}, TapState::longTap},
        {"on the navigation bar", true, true, {60, 60}, {}, TapState::longTap},
    };
    for (const Case& c : cases) {
        SliderTestScreen screen;
        ToleranceFrame::set({0, 100, 390, 100});
        screen.model->navigationBar = navigationBar;
        if (c.screenLaidOut)
            screen.screenDidLayout();
        auto finger = screen.fingers.begin({195, 760});
        screen.fingers.move(finger, {195, c.hold ? 640.0 : 700.0});
        screen.fingers.begin(c.second);
        screen.receiver->onTap(screen.fingers.touchesDown());
        EXPECT_EQ(screen.model->warnings, c.warnings) << c.what;
        EXPECT_EQ(screen.slider->tapState(), c.state) << c.what;
        ToleranceFrame::set({});
    }
}

TEST(SliderControlViewTest, ControlActionsStopAndEndTheControl)
{
    SliderTestScreen screen;
    using Control = IOperatingViewModel::ControlAction;
    screen.model->controls.send(Control::setActive{false});
    EXPECT_EQ(screen.slide().taps, Taps{false});

    screen.model->controls.send(Control::didLayoutSubviews{});
    EXPECT_TRUE(screen.slider->canDetectOverride());
    screen.model->controls.send(Control::willDisappear{});
    EXPECT_FALSE(screen.slider->canDetectOverride());
    EXPECT_TRUE(screen.defaults->boolean(rawValue(UserDefaultsKey::notShowFirstOperate)));
    EXPECT_FALSE(screen.slider->operateAnimation()->beforeAnimationTimer->isValid());
    // Every subscription ended: touches no longer reach the control.
    screen.fingers.begin({195, 760});
    EXPECT_EQ(screen.slide().taps, Taps{false});
}

TEST(SliderControlViewTest, HoldingWithTheFrameworksSlideModelWritesPointsUntilLifted)
{
    testing_support::ServiceRig rig;
    rig.displayData->updateDisplayId(RequiredDisplayId::OPERATE);
    auto slide = std::make_shared<SlideViewModel>(rig.sendingData, rig.sdkStateData, rig.displayData, rig.willArbitrateData,
                                                  rig.vibrateControl);
    SliderTestScreen screen(slide, &rig.time);
    auto finger = screen.fingers.begin({195, 760});
    screen.fingers.move(finger, {195, 640});
    rig.time.advance(0.1);
    ASSERT_FALSE(rig.sendingData->written.empty());
    EXPECT_NE(rig.sendingData->operation().x, 0u);
    screen.fingers.end(finger);
    EXPECT_EQ(rig.sendingData->operation().x, 0u);
    EXPECT_EQ(rig.sendingData->operation().y, 0u);
}

TEST(SliderControlViewTest, ALetGoHoldStaysReleasedUntilTheFingerPressesAgain)
{
    testing_support::ServiceRig rig;
    rig.displayData->updateDisplayId(RequiredDisplayId::OPERATE);
    auto slide = std::make_shared<SlideViewModel>(rig.sendingData, rig.sdkStateData, rig.displayData, rig.willArbitrateData,
                                                  rig.vibrateControl);
    SliderTestScreen screen(slide, &rig.time);
    auto finger = screen.fingers.begin({195, 760});
    screen.fingers.move(finger, {195, 640});
    rig.time.advance(0.1);
    ASSERT_NE(rig.sendingData->operation().x, 0u);

    // What the operating screen sends when the link's session ends.
    screen.model->controls.send(IOperatingViewModel::ControlAction::setActive{false});
    EXPECT_EQ(rig.sendingData->operation().x, 0u);
    EXPECT_EQ(rig.sendingData->operation().y, 0u);

    // A new session while the finger stays down: still released.
    rig.sendingData->written.clear();
    screen.fingers.move(finger, {190, 630});
    rig.time.advance(0.3);
    screen.fingers.move(finger, {195, 640});
    rig.time.advance(0.3);
    for (const auto& frame : rig.sendingData->written) {
        EXPECT_EQ(frame.x, 0u);
        EXPECT_EQ(frame.y, 0u);
    }
    EXPECT_EQ(rig.sendingData->operation().x, 0u);

    screen.fingers.end(finger);
    finger = screen.fingers.begin({195, 760});
    screen.fingers.move(finger, {195, 640});
    rig.time.advance(0.1);
    EXPECT_NE(rig.sendingData->operation().x, 0u);
    screen.fingers.end(finger);
}

TEST(SliderControlViewTest, TheTutorialPlaysByItselfAndIgnoresLayoutPassesAndTouches)
{
    SliderTestScreen screen;
    auto& slider = *screen.slider;
    slider.startTutorialAnimation();
    const ui::Rect knob = slider.outlets().slideButton->frame();
    EXPECT_NEAR(knob.minY(), (844 - 75.96) * 0.42, 1e-9);
    EXPECT_NEAR(slider.outlets().holdButton->frame().minY(), (844 - 75.96) * 0.14, 1e-9);
    screen.layoutAgain();
    EXPECT_EQ(slider.outlets().slideButton->frame(), knob);

    struct Step {
        double at; // seconds since the start
        bool arrowsHidden;
    };
    double now = 0;
    for (const Step& step : {Step{0.6, false}, Step{0.8, true}, Step{3.4, true}, Step{3.7, false}}) {
        screen.time.advance(step.at - now);
        screen.time.runUntilIdle();
        now = step.at;
        EXPECT_EQ(slider.outlets().arrow1->isHidden(), step.arrowsHidden) << step.at;
    }
    EXPECT_TRUE(slider.handImage()->isHidden());
    screen.fingers.begin({195, 760});
    EXPECT_TRUE(screen.slide().taps.empty());
}

TEST(SliderControlViewTest, TheHoldingLookMatchesItsPicture)
{
    SliderTestScreen screen;
    screen.window->setBackgroundColor(ui::Color::rgb255(0xF2, 0xF4, 0xF8));
    auto finger = screen.fingers.begin({195, 760});
    screen.fingers.move(finger, {195, 640});
    screen.time.advance(0.5);
    screen.time.runUntilIdle();
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(screen.time.now()).renderView(*screen.window, 1), "slider-holding"));
}

} // namespace
} // namespace operating_testing
