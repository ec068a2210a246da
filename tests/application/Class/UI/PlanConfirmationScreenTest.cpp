#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewParallel.h"
#include "Class/UI/PlanConfirmation/View/ParkingPlanTitleView.h"
#include "Class/UI/PlanConfirmation/View/PlanConfirmationViewController.h"
#include "Class/UI/PlanConfirmation/ViewModel/PlanConfirmationViewModel.h"

#include "Internal/Model/IInternalVehicleStateData.h"
#include "ui/Button.h"
#include "ui/GoldenImage.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

class PlanConfirmationScreenTest : public ApplicationTest {
protected:
    PlanConfirmationScreenTest()
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const auto& event) { statistics.push_back(event.at("key")); };
        showStack();
        transitionManager->showPlanParkIn();
        settle();
        screen = std::dynamic_pointer_cast<PlanConfirmationViewController>(stack->viewControllers().back());
        viewModel = std::dynamic_pointer_cast<PlanConfirmationViewModel>(screen->viewModel);
    }
    ~PlanConfirmationScreenTest() override { TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr; }

    IInternalVehicleStateData& vehicleState()
    {
        return dynamic_cast<IInternalVehicleStateData&>(*di::Container::defaultContainer().resolve<IVehicleStateData>());
    }

    void offer(RequiredDisplayId plan)
    {
        displayData->subject.send(plan);
        settle();
    }

    std::shared_ptr<PlanConfirmationViewController> screen;
    std::shared_ptr<PlanConfirmationViewModel> viewModel;
    Texts statistics;
};

TEST_F(PlanConfirmationScreenTest, AnOfferedParkInPlanPlaysItsPreviewAndEnablesTheDecision)
{
    ASSERT_TRUE(screen && viewModel);
    EXPECT_FALSE(screen->decideButton->isEnabled());
    EXPECT_DOUBLE_EQ(screen->decideButton->alpha(), 0.3);
    offer(SEL_PARK_IN);
    vehicleState().updatePlanParkInInfo({.obstacle = false, .moveDirection = MoveParkInDirection::PARALLEL_BACKWARD,
                                         .recommendedDirection = PlanParkInDirection::RIGHT});
    settle();
    EXPECT_FALSE(screen->inPlanView->isHidden());
    EXPECT_TRUE(screen->outPlanViewParallel->isHidden());
    EXPECT_TRUE(screen->frontBackPlanView->isHidden());
    EXPECT_EQ(screen->planTitleView->planTitleLabel->text(), "Confirm the maneuver");
    EXPECT_EQ(screen->inPlanView->playingAnimation(), "anim_back_to_right_parallel");
    EXPECT_TRUE(screen->decideButton->isEnabled());
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "plan-confirmation-park-in"));

    screen->decideButton->tap();
    EXPECT_FALSE(screen->decideButton->isEnabled());
    EXPECT_EQ(statistics, Texts{"tirmalunesko/querenborufangxiang/queding"});
    EXPECT_EQ(userOperations->operations,
              std::vector<UserOperationKind>{UserOperationKind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::RIGHT}});
}

TEST_F(PlanConfirmationScreenTest, DecidingTheForwardBackwardPlanSendsNoStatistics)
{
    offer(SEL_FORWARD_BACKWARD);
    vehicleState().updatePlanForwardBackwardInfo({.obstacle = false, .controllableDirections = std::vector{PlanForwardBackwardDirection::FORWARD},
                                                  .recommendedDirection = PlanForwardBackwardDirection::FORWARD});
    settle();
    EXPECT_FALSE(screen->frontBackPlanView->isHidden());
    EXPECT_TRUE(screen->inPlanView->isHidden());
    screen->decideButton->tap();
    EXPECT_TRUE(statistics.empty());
    EXPECT_EQ(userOperations->operations, std::vector<UserOperationKind>{UserOperationKind::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{
                                              PlanForwardBackwardDirection::FORWARD}});
}

TEST_F(PlanConfirmationScreenTest, PresentingFreezesThePreviewsOnceAndTheObstacleAlertShowsOverThem)
{
    offer(SEL_PARK_IN);
    std::vector<std::string> commands;
    auto recording = viewModel->action().publisher().dropFirst().sink(
        [&](const PlanConfirmationAction& action) { commands.push_back(std::to_string(action.value.index())); });
    vehicleState().updatePlanParkInInfo({.obstacle = true, .moveDirection = MoveParkInDirection::VERTICAL,
                                         .recommendedDirection = PlanParkInDirection::LEFT});
    settle();
    auto* alert = dynamic_cast<CustomAlertController*>(screen->presentedViewController());
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), "Obstacle detected. Please remove it or enter the vehicle to manually complete the maneuver.");
    EXPECT_TRUE(viewModel->lockingDisplay);
    EXPECT_TRUE(screen->inPlanView->animLayer->isHidden());
    screen->present(std::make_shared<ui::ViewController>(), false);
    // The freeze is published while the alert is being shown.
    EXPECT_EQ(commands, (Texts{"3", "0"})) << "one alert, one freeze";

    vehicleState().updatePlanParkInInfo({.obstacle = false});
    settle();
    EXPECT_FALSE(screen->inPlanView->animLayer->isHidden());
}

TEST_F(PlanConfirmationScreenTest, TheTitleFollowsThePlanAndIsEmptyForAnyOtherDisplay)
{
    const std::pair<std::optional<RequiredDisplayId>, const char*> cases[] = {
        {SEL_PARK_IN, "Confirm the maneuver"},
        {SEL_PARK_OUT, "Select the exit direction"},
        {SEL_FORWARD_BACKWARD, "Please select the vehicle direction"},
        {OPERATE, ""},
        {std::nullopt, ""},
    };
    for (const auto& [plan, title] : cases) {
        screen->planTitleView->setPlan(plan);
        EXPECT_EQ(screen->planTitleView->planTitleLabel->text(), title);
    }
    EXPECT_EQ(screen->planTitleView->operationAttentionLabel->text(), "Please do not obstruct the movement of the vehicle");
}

} // namespace
} // namespace screen_testing
