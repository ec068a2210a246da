#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"
#include "Class/UI/Operating/View/Animation/GradientLayer.h"
#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"
#include "Class/UI/Operating/View/Animation/OperateAnimation.h"
#include "Class/UI/Operating/View/Ring/FadeOutLineView.h"
#include "Class/UI/Operating/View/Ring/Ring.h"
#include "Class/UI/Operating/View/Ring/RingControlPointLayer.h"

#include "foundation/VirtualTime.h"
#include "ui/BasicAnimation.h"
#include "ui/ShapeLayer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tolvane::app;

// Runs `steps` ticks of 1/60 s and the view updates they post.
void tick(foundation::VirtualTime& time, int steps)
{
    for (int i = 0; i < steps; ++i)
        time.advance(1.0 / 60.0);
    time.runUntilIdle();
}

TEST(OperateAnimationTest, TheWaitingCirclesGrowFadeAndStartAgain)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto animation = std::make_shared<OperateAnimation>(1.5, 1.0);
    auto view = BeforeAnimationView::fromInterfaceFile({0, 0, 200, 200});
    animation->startBeforeAnimation(view);

    struct Step {
        double before; // the animation's time before one tick
        double alpha;
        double ratio;
        double after;
    };
    const double step = 1.0 / 60;
    for (const Step& s : {Step{0.5 - step, 1.0, 1.0 / 3, 0.5}, Step{1.25 - step, 0.5, 0.8333333, 1.25}, Step{1.5, 0.0, 0.0, 0.0}}) {
        animation->beforeAnimationTime = s.before;
        tick(time, 1);
        EXPECT_NEAR(view->alpha(), s.alpha, 1e-6) << s.before;
        EXPECT_NEAR(view->ratio(), s.ratio, 1e-6) << s.before;
        EXPECT_NEAR(animation->beforeAnimationTime, s.after, 1e-9) << s.before;
    }
    // The circles sit centred, the largest at its full 95.5 radius once the ratio reaches 1.
    view->setRatio(1.0);
    EXPECT_NEAR(view->largeCircleShapeLayer->frame().width(), 191.0, 1e-9);
    EXPECT_NEAR(view->smallCircleShapeLayer->frame().minX(), 50.0, 1e-9);
    EXPECT_EQ(view->layer().sublayers().at(2), view->smallCircleShapeLayer);
}

TEST(OperateAnimationTest, StartingTwiceRestartsTheOneTimer)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto animation = std::make_shared<OperateAnimation>(1.5, 1.0);
    auto view = BeforeAnimationView::fromInterfaceFile({0, 0, 200, 200});
    animation->startBeforeAnimation(view);
    const auto timer = animation->beforeAnimationTimer;
    tick(time, 30);
    animation->startBeforeAnimation(view);
    EXPECT_EQ(animation->beforeAnimationTimer, timer);
    EXPECT_EQ(animation->beforeAnimationTime, 0.0);
    tick(time, 1);
    EXPECT_NEAR(view->ratio(), 1.0 / 90, 1e-9);
}

TEST(OperateAnimationTest, TheHoldingCircleBreathesOverTwoSeconds)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto animation = std::make_shared<OperateAnimation>(1.5, 1.0);
    auto view = HoldingAnimationView::fromInterfaceFile({0, 0, 206.78, 206.78});
    animation->startHoldingAnimation(view);
    tick(time, 30);
    EXPECT_NEAR(view->ratio(), 0.5, 1e-6);
    tick(time, 60);
    EXPECT_NEAR(view->ratio(), 0.5, 1e-6);
    // Radius midway between 40 and an eighth of the 844-point screen.
    EXPECT_NEAR(view->circleShapeLayer->frame().width(), 40.0 + 105.5, 1e-4);
}

TEST(RingTest, WavesOfTwentyFourPointsAroundTheOrigin)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto ring = Ring::make({{100, 10, 0}, {120, 10, 0}});
    ASSERT_EQ(ring->pointLayers().size(), 48u);
    // Angle 0 puts the first point at -pi/2: (-D/2, 0).
    EXPECT_NEAR(ring->pointLayers()[0]->frame().minX(), -50, 1e-9);
    EXPECT_NEAR(ring->pointLayers()[0]->frame().minY(), 0, 1e-9);
    EXPECT_NEAR(ring->focusRadiusBase(), 10 * 1.69, 1e-9);

    ring->focusPoints(false, {-50, 0});
    int focused = 0;
    for (const auto& point : ring->pointLayers())
        focused += point->animationDirection() == RingControlPointLayer::AnimationDirection::Focusing;
    // Within 8.45 + 5 points of (-50, 0): the point, its two neighbours and the outer wave's nearest.
    EXPECT_EQ(focused, 4);

    auto empty = Ring::make({});
    EXPECT_TRUE(empty->pointLayers().empty());
    EXPECT_EQ(empty->focusRadiusBase(), 0);
}

TEST(RingTest, TheHintStartsAtSevenSixthsOfPiClockwiseAndGoesRoundWithoutAPause)
{
    foundation::VirtualTime time;
    time.mainLoop();
    // Wave radii 50 and 60: the hint's circle is 1.3 x 55 round the ring's origin.
    auto ring = Ring::make({{100, 10, 0}, {120, 10, 0}});
    const auto* hint = dynamic_cast<const LoopAnimationWithNoDelay*>(ring->hintPositionAnimation->behavior().get());
    ASSERT_TRUE(hint) << "a ring's hint never pauses between loops";
    EXPECT_EQ(hint->duration, 2.0);
    const CircleTrajectory& trajectory = hint->trajectory;
    EXPECT_EQ(trajectory.center, (ui::Point{0, 0}));
    EXPECT_NEAR(trajectory.radius, 71.5, 1e-9);
    EXPECT_NEAR(trajectory.startRadianAngle, 0.5235987755982988, 1e-15);
    EXPECT_NEAR(trajectory.endRadianAngle, 6.806784082777885, 1e-15);
    EXPECT_TRUE(trajectory.isClockwise);

    const ui::Point start = trajectory.position(0, hint->duration);
    EXPECT_NEAR(start.x, 71.5 * 0.5, 1e-9);
    EXPECT_NEAR(start.y, 71.5 * -0.8660254037844386, 1e-9);
    // Once round every 2 x 2pi / (13pi/6) seconds, about 1.846 s.
    const ui::Point round = trajectory.position(2.0 * 12 / 13, hint->duration);
    EXPECT_NEAR(round.x, start.x, 1e-9);
    EXPECT_NEAR(round.y, start.y, 1e-9);
}

TEST(RingControlPointLayerTest, AReversalPartWayTakesTheSameShareOfItsLength)
{
    foundation::VirtualTime time;
    time.mainLoop();
    auto point = std::make_shared<RingControlPointLayer>(5);
    point->focus(true);
    EXPECT_EQ(point->circleLayer()->animation("focus")->duration, 0.1);
    point->focus(true); // already focusing: nothing
    time.advance(0.05);
    point->unfocus(true);
    EXPECT_NEAR(point->circleLayer()->animation("unfocus")->duration, 0.25, 1e-9);
    EXPECT_EQ(point->circleLayer()->animation("unfocus")->timing, ui::TimingFunction::easeIn);
    // The new dot starts from the focused colour.
    EXPECT_EQ(point->circleLayer()->fillColor(), RingControlPointLayer::focusedColor());
    time.advance(1.0);
    EXPECT_EQ(point->circleLayer()->presentationColor(ui::AnimatedProperty::fillColor, time.now()), RingControlPointLayer::unfocusedColor());
}

TEST(FadeOutLineViewTest, KeepsTheLastTenPointsAndDrawsFromThree)
{
    FadeOutLineView trail({0, 0, 300, 300});
    trail.addPoint({0, 0});
    trail.addPoint({10, 0});
    EXPECT_FALSE(trail.trailPath());
    for (int i = 2; i <= 10; ++i)
        trail.addPoint({10.0 * i, 0});
    ASSERT_EQ(trail.points->size(), 10u);
    EXPECT_EQ(trail.points->front(), (ui::Point{10, 0}));
    EXPECT_TRUE(trail.trailPath());
    trail.points.reset();
    EXPECT_FALSE(trail.trailPath());
}

TEST(GradientLayerTest, IsARadialBlendOfTwoTranslucentBlues)
{
    GradientLayer layer;
    EXPECT_EQ(layer.type(), ui::GradientType::radial);
    EXPECT_EQ(layer.colors(), (std::vector<ui::Color>{ui::Color::rgb255(103, 107, 194, 0.2), ui::Color::rgb255(66, 129, 255, 0.2)}));
    EXPECT_EQ(layer.locations(), (std::vector<double>{0.0, 1.0}));
    EXPECT_EQ(layer.startPoint(), (ui::Point{0.5, 0.5}));
    EXPECT_EQ(layer.endPoint(), (ui::Point{1.0, 1.0}));
}

} // namespace
