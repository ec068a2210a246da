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
#include "ui/TouchDriver.h"

#include <gtest/gtest.h>

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

    std::shared_ptr<OperatingViewController> screen;
    std::shared_ptr<IOperatingViewModel> model;
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
