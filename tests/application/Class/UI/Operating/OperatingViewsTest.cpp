#include "SliderTestScreen.h"

#include "framework/ServiceRig.h"

#include "Class/UI/Operating/View/BalloonView.h"
#include "Class/UI/Operating/View/CircularProgressBarView.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressNib.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"
#include "Class/UI/Operating/View/Ring/FadeOutLineView.h"
#include "Class/UI/Operating/View/Ring/Ring.h"
#include "Class/UI/Operating/View/Ring/RingControlNib.h"
#include "Class/UI/Operating/View/Ring/RingControlView.h"
#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionNib.h"
#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionView.h"

#include "IRingViewModel.h"
#include "foundation/RunLoop.h"
#include "RingViewModel.h"
#include "ui/ImageView.h"
#include "ui/Label.h"

#include <gtest/gtest.h>

#include <set>

namespace operating_testing {
namespace {

using enum ObstaclePosition;
using enum ObstacleDistance;
using Sonar = IOperatingViewModel::ClearSonerDetectionAction;

// A recogniser the test puts into a state.
class ScriptedGesture final : public ui::GestureRecognizer {
public:
    using GestureRecognizer::setState;
};

class CountingRingViewModel final : public IRingViewModel {
public:
    void setOnTouchListenerOperate(ui::View&) override { ++attached; }
    int attached = 0;
};

// The operating view model's fake in the shared container, with the views' nibs.
struct ViewsRig {
    foundation::VirtualTime time;
    std::shared_ptr<FakeOperatingViewModel> model = std::make_shared<FakeOperatingViewModel>();
    std::shared_ptr<CountingRingViewModel> ring = std::make_shared<CountingRingViewModel>();
    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});

    ViewsRig()
    {
        time.mainLoop();
        auto& container = di::Container::defaultContainer();
        container.registerService<IOperatingViewModel>([this](di::Resolver&) -> std::shared_ptr<IOperatingViewModel> { return model; });
        container.registerService<IRingViewModel>([this](di::Resolver&) -> std::shared_ptr<IRingViewModel> { return ring; });
        ClearSonerDetectionNib::registerNib();
        DriveProgressNib::registerNib();
        RingControlNib::registerNib();
    }
    template <class View>
    std::shared_ptr<View> show(std::shared_ptr<View> view)
    {
        window->addSubview(view);
        window->layoutIfNeeded();
        return view;
    }
};

TEST(ClearSonerDetectionViewTest, EachObstacleLightsItsBarAndItsSidesFrame)
{
    struct Case {
        std::map<ObstaclePosition, ObstacleDistance> obstacles;
        std::set<std::string> lit;
        std::vector<bool> frames; // front, rear, right, left
    };
    const Case cases[]{
        {{}, {}, {false, false, false, false}},
        {{{FRONT_LEFT_CENTER, MOST_LONG}}, {"frontLeftCenterFarthestObstacleDetectionBarView"}, {true, false, false, false}},
        // A corner has no farthest bar, but the obstacle is there.
        {{{FRONT_LEFT, MOST_LONG}}, {}, {true, false, false, false}},
        {{{REAR_RIGHT_SIDE, NONE}}, {}, {false, false, false, false}},
        {{{REAR_RIGHT_SIDE, MOST_SHORT}, {REAR_LEFT, LONG}},
         {"rearRightSideNearestObstacleDetectionBarView", "rearLeftFarObstacleDetectionBarView"},
         {false, true, true, false}},
    };
    ViewsRig rig;
    auto sonar = rig.show(std::make_shared<ClearSonerDetectionView>(ui::Rect{105, 177, 180, 280}));
    const auto& out = sonar->outlets();
    ASSERT_EQ(out.bars.size(), 52u);
    for (const Case& c : cases) {
        rig.model->sonar.send(Sonar::setObstaclePositions{c.obstacles});
        std::set<std::string> lit;
        for (const auto& [key, bar] : out.bars)
            if (!bar->isHidden())
                lit.insert(ClearSonerDetectionView::barName(key.first, key.second));
        EXPECT_EQ(lit, c.lit) << c.obstacles.size();
        const std::vector<bool> frames{!out.frontObstacleDetectionBarViewCollection.front()->isHidden(),
                                       !out.rearObstacleDetectionBarViewCollection.front()->isHidden(),
                                       !out.rightObstacleDetectionBarViewCollection.front()->isHidden(),
                                       !out.leftObstacleDetectionBarViewCollection.front()->isHidden()};
        EXPECT_EQ(frames, c.frames) << c.obstacles.size();
    }

    rig.model->sonar.send(Sonar::setIsMovingObjects{true});
    EXPECT_FALSE(out.movingObjectsDetectionLabel->isHidden());
    EXPECT_EQ(out.movingObjectsDetectionLabel->text(), std::optional<std::string>("Moving object has been detected"));
    // Once the screen goes, the view follows no more.
    rig.model->controls.send(IOperatingViewModel::ControlAction::willDisappear{});
    rig.model->sonar.send(Sonar::setIsMovingObjects{false});
    EXPECT_FALSE(out.movingObjectsDetectionLabel->isHidden());
}

TEST(DriveProgressViewTest, DistancesAreShownInTenthsRoundedDown)
{
    struct Case {
        double metres;
        const char* text;
    };
    for (const Case& c : {Case{12.34, "12.3 m"}, Case{0.99, "0.9 m"}, Case{3, "3.0 m"}, Case{0.05, "0.0 m"}, Case{1234.5, "1,234.5 m"}})
        EXPECT_EQ(DriveProgressView::formattedDistance(c.metres), c.text) << c.metres;
    // Whatever binary makes of k x 0.1, k tenths from the vehicle show as k tenths.
    for (int k = 0; k < 10000; ++k)
        ASSERT_EQ(DriveProgressView::formattedDistance(k * 0.1), std::to_string(k / 10) + "." + std::to_string(k % 10) + " m") << k;
}

TEST(DriveProgressViewTest, ShowsTheDirectionsPictureAndTheLabelOnItsSide)
{
    using Drive = IOperatingViewModel::Action::applyDriveDirectionAndProgress;
    ViewsRig rig;
    auto progress = rig.show(std::make_shared<DriveProgressView>(ui::Rect{276, 187, 110, 112}));
    const auto& out = progress->outlets();
    rig.model->actions.send(Drive{OperateDirection::BACKWARD_RIGHT, 4.2});
    const std::vector<std::shared_ptr<ui::ImageView>> pictures{
        out.remainingTrajectoryLeftForward4m,  out.remainingTrajectoryStraightForward4m,  out.remainingTrajectoryRightForward4m,
        out.remainingTrajectoryLeftBackward4m, out.remainingTrajectoryStraightBackward4m, out.remainingTrajectoryRightBackward4m};
    auto shown = [&] {
        std::vector<bool> visible;
        for (const auto& picture : pictures)
            visible.push_back(!picture->isHidden());
        return visible;
    };
    EXPECT_EQ(shown(), (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_TRUE(out.remainingDistanceFrontLabel->isHidden());
    EXPECT_FALSE(out.remainingDistanceBackLabel->isHidden());
    EXPECT_EQ(out.remainingDistanceBackLabel->text(), std::optional<std::string>("4.2 m approx. \nremaining"));

    rig.model->actions.send(Drive{OperateDirection::FORWARD, 9});
    rig.model->actions.send(Drive{OperateDirection::FORWARD_LEFT, 8});
    EXPECT_EQ(shown(), (std::vector<bool>{true, false, false, false, false, false}));
    EXPECT_FALSE(out.remainingDistanceFrontLabel->isHidden());
    // Another command changes nothing.
    rig.model->actions.send(IOperatingViewModel::Action::initView{});
    EXPECT_EQ(out.remainingDistanceFrontLabel->text(), std::optional<std::string>("8.0 m approx. \nremaining"));
}

TEST(RingControlViewTest, ALetGoHoldStaysReleasedUntilTheFingerPressesAgain)
{
    testing_support::ServiceRig rig;
    rig.displayData->updateDisplayId(RequiredDisplayId::OPERATE);
    auto model = std::make_shared<FakeOperatingViewModel>();
    auto ringModel = std::make_shared<RingViewModel>(rig.sendingData, rig.sdkStateData, rig.displayData, rig.willArbitrateData);
    auto& container = di::Container::defaultContainer();
    container.registerService<IOperatingViewModel>([model](di::Resolver&) -> std::shared_ptr<IOperatingViewModel> { return model; });
    container.registerService<IRingViewModel>([ringModel](di::Resolver&) -> std::shared_ptr<IRingViewModel> { return ringModel; });
    RingControlNib::registerNib();
    auto window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    auto ring = RingControlView::make({65, 520, 260, 260});
    window->addSubview(ring);
    window->layoutIfNeeded();
    ui::TouchDriver fingers(*window);

    auto finger = fingers.begin({195, 650});
    ASSERT_EQ(rig.sendingData->operation().x, 130u);

    // What the operating screen sends when the link's session ends.
    model->controls.send(IOperatingViewModel::ControlAction::setActive{false});
    EXPECT_EQ(rig.sendingData->operation().x, 0u);
    EXPECT_EQ(rig.sendingData->operation().y, 0u);
    EXPECT_EQ(ring->outlets().ringControlStick->center(), (ui::Point{130, 130}));

    // The finger stays down and moves: still released.
    rig.sendingData->written.clear();
    fingers.move(finger, {200, 650});
    fingers.move(finger, {195, 640});
    for (const auto& frame : rig.sendingData->written) {
        EXPECT_EQ(frame.x, 0u);
        EXPECT_EQ(frame.y, 0u);
    }

    fingers.end(finger);
    finger = fingers.begin({195, 650});
    EXPECT_EQ(rig.sendingData->operation().x, 130u);
    fingers.end(finger);
}

TEST(RingControlViewTest, TheStickFollowsTheFingerAndShakesEveryTenPoints)
{
    ViewsRig rig;
    auto container = rig.show(std::make_shared<ui::View>(ui::Rect{0, 0, 390, 844}));
    auto ring = RingControlView::make({65, 520, 260, 260});
    container->addSubview(ring);
    rig.window->layoutIfNeeded();
    EXPECT_EQ(rig.ring->attached, 1);
    ui::TouchDriver fingers(*rig.window);
    const auto& stick = *ring->outlets().ringControlStick;

    auto finger = fingers.begin({195, 650});
    EXPECT_TRUE(ring->isPointsFocused());
    EXPECT_EQ(rig.model->shakes, 1);
    EXPECT_EQ(stick.center(), (ui::Point{130, 130}));
    // A second press while one is tracked is ignored.
    auto second = std::make_shared<ScriptedGesture>();
    ring->addGestureRecognizer(second);
    second->setState(ui::GestureRecognizerState::began);
    ring->onLongTap(*second);
    EXPECT_EQ(rig.model->shakes, 1);
    ring->removeGestureRecognizer(second.get());

    struct Step {
        ui::Point to;
        int shakes;
        ui::Point stick;
    };
    const Step steps[]{
        {{204.9, 650}, 1, {139.9, 130}},
        {{205, 650}, 2, {140, 130}},
        // Twice the range's radius away: the stick stays on its circle.
        {{195, 450}, 2, {130, 30}},
    };
    for (const Step& step : steps) {
        fingers.move(finger, step.to);
        EXPECT_EQ(rig.model->shakes, step.shakes) << step.to.x << "," << step.to.y;
        EXPECT_NEAR(stick.center().x, step.stick.x, 1e-9);
        EXPECT_NEAR(stick.center().y, step.stick.y, 1e-9);
    }
    const int hintStarts = rig.model->hintTimerStarts;
    fingers.end(finger);
    EXPECT_EQ(stick.center(), (ui::Point{130, 130}));
    EXPECT_FALSE(ring->outlets().fadeOutLineView->points);
    EXPECT_EQ(rig.model->hintTimerStarts, hintStarts + 1);

    rig.model->controls.send(IOperatingViewModel::ControlAction::setProgress{12, 10});
    EXPECT_EQ(ring->outlets().circularProgressBarView->value, 10);
    EXPECT_EQ(ring->outlets().circularProgressBarView->maxValue, 10);
    // Built with no waves: its hint has nothing to light.
    ASSERT_TRUE(ring->ring());
    EXPECT_TRUE(ring->ring()->pointLayers().empty());
}

TEST(RingControlViewTest, HidingTheControlStopsItsHintAndShowingItArmsTheHintAgain)
{
    ViewsRig rig;
    auto ring = rig.show(RingControlView::make({65, 520, 260, 260}));
    ASSERT_TRUE(ring->ring());
    auto& hint = dynamic_cast<LoopAnimation&>(*ring->ring()->hintPositionAnimation->behavior());
    rig.model->hintTimer = foundation::RunLoop::main().scheduleTimer(10.0, false, [](foundation::Timer&) {});
    const foundation::TimerRef armed = rig.model->hintTimer;
    rig.model->controls.send(IOperatingViewModel::ControlAction::playHintAnimation{});
    ASSERT_TRUE(hint.repeatTimer);

    ring->setHidden(true);
    EXPECT_TRUE(ring->isHidden());
    EXPECT_FALSE(armed->isValid());
    EXPECT_FALSE(rig.model->hintTimer);
    EXPECT_FALSE(hint.repeatTimer);

    const int starts = rig.model->hintTimerStarts;
    ring->setHidden(false);
    EXPECT_EQ(rig.model->hintTimerStarts, starts + 1);
    // Hidden while inactive: the hint stays off when it is shown again.
    rig.model->controls.send(IOperatingViewModel::ControlAction::setActive{false});
    ring->setHidden(true);
    ring->setHidden(false);
    EXPECT_EQ(rig.model->hintTimerStarts, starts + 1);
}

TEST(BalloonViewTest, TheContentSitsInTheBodyBesideTheTail)
{
    struct Case {
        int orientation;
        ui::Rect content;
    };
    // 100 x 60 with a tail of 0.2: 12 high on the top and bottom, 20 wide on the sides; padding 0.2.
    const Case cases[]{
        {0, {10, 16.8, 80, 38.4}},
        {1, {8, 6, 64, 48}},
        {2, {10, 4.8, 80, 38.4}},
        {3, {28, 6, 64, 48}},
        {7, {10, 16.8, 80, 38.4}},
    };
    for (const Case& c : cases) {
        BalloonView balloon({0, 0, 100, 60});
        balloon.setOrientation(c.orientation);
        balloon.setPaddingRatio(0.2);
        const ui::Rect content = balloon.drawBalloon(nullptr, balloon.balloonRect(balloon.bounds()));
        EXPECT_NEAR(content.minX(), c.content.minX(), 1e-9) << c.orientation;
        EXPECT_NEAR(content.minY(), c.content.minY(), 1e-9) << c.orientation;
        EXPECT_NEAR(content.width(), c.content.width(), 1e-9) << c.orientation;
        EXPECT_NEAR(content.height(), c.content.height(), 1e-9) << c.orientation;
    }
    BalloonView balloon;
    balloon.setAspect(-3);
    balloon.setTriangleRatio(7);
    balloon.setCornerRadiusRatio(-1);
    EXPECT_EQ(balloon.aspect(), 1.0);
    EXPECT_EQ(balloon.triangleRatio(), 1.0);
    EXPECT_EQ(balloon.cornerRadiusRatio(), 0.0);
}

} // namespace
} // namespace operating_testing
