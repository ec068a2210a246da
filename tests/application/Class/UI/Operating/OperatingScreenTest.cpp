#include "OperatingActionTexts.h"

#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"
#include "Class/UI/Operating/View/OperatingViewController.h"
#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionView.h"

#include "Internal/Model/IInternalVehicleStateData.h"
#include "ui/Button.h"
#include "ui/GoldenImage.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/LayoutConstraint.h"
#include "ui/NavigationController.h"
#include "ui/ScreenMetrics.h"
#include "ui/StoryboardRegistry.h"
#include "ui/TextLayout.h"
#include "ui/TouchDriver.h"

#include <gtest/gtest.h>

#include <functional>

namespace operating_testing {
namespace {

using namespace tolvane;
using namespace tolvane::app;
using Texts = std::vector<std::string>;

// The application over the framework's fakes, with the operating screen shown on its stack.
class OperatingScreenTest : public screen_testing::ApplicationTest {
protected:
    OperatingScreenTest()
    {
        store->isInterrupted = false;
        showStack();
        transitionManager->showOperating();
        settle();
        if (auto* top = dynamic_cast<OperatingViewController*>(stack->topViewController()))
            screen = std::static_pointer_cast<OperatingViewController>(top->shared_from_this());
        model = screen ? screen->viewModel : nullptr;
    }
    ~OperatingScreenTest() override { store->isInterrupted = false; }

    IInternalVehicleStateData& vehicle() const
    {
        return dynamic_cast<IInternalVehicleStateData&>(*di::Container::defaultContainer().resolve<IVehicleStateData>());
    }
    void report(OperateDirection direction, int64_t remain, OperateReq finish = OperateReq::HIDDEN)
    {
        vehicle().updateOperateInfo({.operateDirection = direction, .remainDistance = remain, .operateInterruptReq = OperateReq::ENABLE,
                                     .operateFinishReq = finish, .operateDirectionSwitchReq = OperateReq::ENABLE});
        settle();
    }

    // Runs `check` on the screen built anew for each screen size the layout tests use, alone on a
    // stack in a window of that size, once driving forward and once backward `remain` centimetres.
    void forEachLayout(int64_t remain, const std::function<void(OperatingViewController&, ui::Size, OperateDirection)>& check)
    {
        for (const ui::Size size : {ui::Size{375, 667}, ui::Size{390, 844}, ui::Size{428, 926}}) {
            for (const OperateDirection direction : {OperateDirection::FORWARD_RIGHT, OperateDirection::BACKWARD_LEFT}) {
                SCOPED_TRACE(testing::Message() << size.width << "x" << size.height << " " << static_cast<int>(direction));
                ui::ScreenMetrics::shared().setScreenSize(size);
                window->setFrame({{}, size});
                auto sized = std::dynamic_pointer_cast<OperatingViewController>(
                    ui::StoryboardRegistry::shared().instantiateInitialViewController("Operating"));
                ASSERT_TRUE(sized);
                stack = std::make_shared<BaseUINavigationController>(sized);
                window->setRootViewController(stack);
                settle();
                report(direction, remain, OperateReq::ENABLE);
                check(*sized, size, direction);
            }
        }
    }

    std::shared_ptr<OperatingViewController> screen;
    std::shared_ptr<IOperatingViewModel> model;

private:
    struct ScreenSizeKept {
        ui::Size saved = ui::ScreenMetrics::shared().mainBounds().size;
        ~ScreenSizeKept() { ui::ScreenMetrics::shared().setScreenSize(saved); }
    } screenSizeKept_;
};


TEST_F(OperatingScreenTest, TheDriveDirectionPlacesTheProgressAndNamesTheDirection)
{
    ASSERT_TRUE(screen);
    struct Case {
        OperateDirection direction;
        float forwardPriority;
        float backwardPriority;
        const char* label;
        double top;
    };
    for (const Case& c : {Case{OperateDirection::BACKWARD_LEFT, 250, 750, "Backward", 236}, Case{OperateDirection::FORWARD_RIGHT, 750, 250, "Forward", 96}}) {
        report(c.direction, 50);
        EXPECT_EQ(screen->outlets.driveProgressViewAlignConstraintOnDriveForward->priority, c.forwardPriority);
        EXPECT_EQ(screen->outlets.driveProgressViewAlignConstraintOnDriveBackward->priority, c.backwardPriority);
        EXPECT_EQ(screen->outlets.frontBackLabel->text(), std::optional<std::string>(c.label));
        EXPECT_EQ(screen->outlets.driveProgressView->frame().minY(), c.top);
    }
}

TEST_F(OperatingScreenTest, TheEndHalfwayAndInterruptButtonsStayHiddenButFollowTheirEnabledState)
{
    ASSERT_TRUE(screen);
    report(OperateDirection::FORWARD, 50, OperateReq::ENABLE);
    EXPECT_TRUE(screen->outlets.endHalfwayButton->isHidden());
    EXPECT_TRUE(screen->outlets.endHalfwayButton->isEnabled());
    report(OperateDirection::FORWARD, 50, OperateReq::DISABLE);
    EXPECT_FALSE(screen->outlets.endHalfwayButton->isEnabled());
    EXPECT_TRUE(screen->outlets.interruptButton->isHidden());
    // Forward: only the button that changes to backward.
    EXPECT_TRUE(screen->outlets.directionChangeForwardButton->isHidden());
    EXPECT_FALSE(screen->outlets.directionChangeBackwardButton->isHidden());
    EXPECT_TRUE(screen->outlets.powerOffButtonHintView->isHidden());
}

TEST_F(OperatingScreenTest, PresentingAnythingDeactivatesTheHoldControl)
{
    ASSERT_TRUE(screen);
    TextRecorder<ControlAction> controls{model->controlAction()};
    screen->present(std::make_shared<CustomAlertController>("Anything", std::nullopt, CustomAlertControlerStyle::alert), false);
    settle();
    EXPECT_EQ(controls.take().front(), "setActive(false)");
    EXPECT_FALSE(model->presentedPopup());
}

TEST_F(OperatingScreenTest, ASettingsRoundTripShowsTheScreenAgainOnce)
{
    ASSERT_TRUE(screen);
    TextRecorder<ControlAction> controls{model->controlAction()};
    screen->tapNavigationButtonSetting();
    settle();
    ASSERT_TRUE(screen->presentedViewController());
    screen->presentedViewController()->dismiss(false);
    settle();
    const Texts texts = controls.take();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "setProgress(0, 0)"), 1) << ::testing::PrintToString(texts);
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "willDisappear"), 1) << ::testing::PrintToString(texts);
}

TEST_F(OperatingScreenTest, TheExitButtonInterruptsTheOperation)
{
    ASSERT_TRUE(screen);
    screen->tapNavigationButtonExit();
    ASSERT_FALSE(userOperations->operations.empty());
    EXPECT_TRUE(std::holds_alternative<UserOperationKind::REQ_INTERRUPT_OPERATE>(userOperations->operations.back().value));
    EXPECT_TRUE(store->isInterrupted);
}

TEST_F(OperatingScreenTest, TheEndHalfwayPopupOffersCancelThenExit)
{
    ASSERT_TRUE(screen);
    model->didRequestEndHalfway();
    settle();
    auto* alert = dynamic_cast<CustomAlertController*>(screen->presentedViewController());
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->titleLabel().text(), std::optional<std::string>("Exit Tolvane?"));
    // Leaving the screen takes its own pop-up with it.
    screen->willMoveToParent(nullptr);
    settle();
    EXPECT_FALSE(screen->presentedViewController());
}

// Every view without subviews under `view`, `except` and its subviews left out: all a screen part
// can show, shown or hidden now.
void collectLeaves(const ui::View& view, const ui::View* except, std::vector<const ui::View*>& leaves)
{
    if (&view == except)
        return;
    if (view.subviews().empty())
        leaves.push_back(&view);
    for (const auto& subview : view.subviews())
        collectLeaves(*subview, except, leaves);
}

TEST_F(OperatingScreenTest, TheMovingObjectBannerCoversNothingTheSonarAndTheControlsBesideItShow)
{
    forEachLayout(42, [this](OperatingViewController& shown, ui::Size size, OperateDirection) {
        vehicle().updateObstacleInfo({.moves = std::vector<MovesPosition>{MovesPosition::FRONT_LEFT}});
        settle();
        const auto& banner = *shown.outlets.clearSonerDetectionView->outlets().movingObjectsDetectionLabel;
        ASSERT_FALSE(banner.isHidden());
        const ui::Rect bannerFrame = banner.convert(banner.bounds(), nullptr);
        EXPECT_GE(bannerFrame.minX(), 0);
        EXPECT_LE(bannerFrame.maxX(), size.width);

        const auto& outlets = shown.outlets;
        // The car, every bar and every side's frame; the trajectories and distances; the buttons
        // and titles round the sonar.
        std::vector<const ui::View*> neighbours;
        collectLeaves(*outlets.clearSonerDetectionView, &banner, neighbours);
        collectLeaves(*outlets.driveProgressView, nullptr, neighbours);
        for (const auto& view : std::initializer_list<std::shared_ptr<ui::View>>{
                 outlets.titleLabel, outlets.frontBackLabel, outlets.directionChangeForwardButton, outlets.directionChangeBackwardButton,
                 outlets.endHalfwayButton, outlets.interruptButton})
            collectLeaves(*view, nullptr, neighbours);
        ASSERT_GT(neighbours.size(), 50u);
        for (const ui::View* view : neighbours) {
            const ui::Rect frame = view->convert(view->bounds(), nullptr);
            EXPECT_FALSE(frame.intersects(bannerFrame)) << frame.minX() << "," << frame.minY() << " " << frame.width() << "x" << frame.height();
        }
    });
}

TEST_F(OperatingScreenTest, TheRemainingDistanceKeepsClearOfTheSonarsSideFrameAndOfTheScreensEdge)
{
    forEachLayout(123, [](OperatingViewController& shown, ui::Size size, OperateDirection direction) {
        const auto& progress = shown.outlets.driveProgressView->outlets();
        const auto& label = direction == OperateDirection::FORWARD_RIGHT ? *progress.remainingDistanceFrontLabel : *progress.remainingDistanceBackLabel;
        ASSERT_EQ(label.text(), std::optional<std::string>("12.3 m approx. \nremaining"));
        const ui::Rect frame = label.convert(label.bounds(), nullptr);
        const ui::TextLayout text(*label.text(), label.font(), frame.width(), label.numberOfLines());
        const double widest = text.size().width;
        const auto& sideFrame = *shown.outlets.clearSonerDetectionView->outlets().rightObstacleDetectionBarViewCollection.front();
        const ui::Rect rightFrame = sideFrame.convert(sideFrame.bounds(), nullptr);
        EXPECT_GE(frame.midX() - widest / 2, rightFrame.maxX() + 12) << "the text keeps 12 points from the side's frame";
        EXPECT_LE(frame.midX() + widest / 2, size.width - 8) << "and 8 from the screen's edge";
        EXPECT_LE(text.size().height, frame.height()) << "every line fits";
    });
}

TEST_F(OperatingScreenTest, HoldingForwardWithTwoObstaclesMatchesItsPicture)
{
    ASSERT_TRUE(screen);
    report(OperateDirection::FORWARD, 123);
    vehicle().updateObstacleInfo({.obstacles = std::map<ObstaclePosition, ObstacleDistance>{
                                      {ObstaclePosition::FRONT_LEFT_CENTER, ObstacleDistance::MIDDLE},
                                      {ObstaclePosition::FRONT_RIGHT, ObstacleDistance::SHORT}}});
    ui::TouchDriver fingers(*window);
    auto finger = fingers.begin({195, 760});
    fingers.move(finger, {195, 640});
    time.advance(0.5);
    time.runUntilIdle();
    EXPECT_EQ(screen->outlets.driveProgressView->outlets().remainingDistanceFrontLabel->text(),
              std::optional<std::string>("12.3 m approx. \nremaining"));
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "operating-forward-held"));
}

} // namespace
} // namespace operating_testing
