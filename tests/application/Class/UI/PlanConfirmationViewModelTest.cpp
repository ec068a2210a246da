#include "PlanConfirmationTesting.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;
using Kind = UserOperationKind;

TEST_F(PlanConfirmationTest, DecideSendsForwardBackwardFirstThenParkInThenParkOut)
{
    struct Case {
        std::optional<PlanForwardBackwardDirection> forwardBackward;
        std::optional<PlanParkInDirection> parkIn;
        std::optional<PlanParkOutDirection> parkOut;
        std::optional<Kind> sent;
    };
    const Case cases[] = {
        {PlanForwardBackwardDirection::BACKWARD, PlanParkInDirection::LEFT, PlanParkOutDirection::FORWARD,
         Kind::NOTIFY_DECIDE_SELECTED_DIRECTION_FORWARD_BACKWARD{PlanForwardBackwardDirection::BACKWARD}},
        {std::nullopt, PlanParkInDirection::RIGHT, PlanParkOutDirection::FORWARD,
         Kind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_IN{PlanParkInDirection::RIGHT}},
        {std::nullopt, std::nullopt, PlanParkOutDirection::BACKWARD_RIGHT,
         Kind::NOTIFY_DECIDE_SELECTED_DIRECTION_PARK_OUT{PlanParkOutDirection::BACKWARD_RIGHT}},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        userOperations->operations.clear();
        viewModel->selectedForwardBackward.send(c.forwardBackward);
        viewModel->selectedParkIn.send(c.parkIn);
        viewModel->selectedParkOut.send(c.parkOut);
        ActionRecorder recorder(viewModel->baseActionPublisher());
        viewModel->decide();
        EXPECT_EQ(recorder.texts(), Texts{"setIndicator"});
        if (c.sent)
            EXPECT_EQ(userOperations->operations, std::vector<Kind>{*c.sent});
        else
            EXPECT_TRUE(userOperations->operations.empty());
    }
}

TEST_F(PlanConfirmationTest, IsSelectedDestinationFollowsAnySelection)
{
    std::vector<bool> seen;
    auto subscription = viewModel->isSelectedDestination().sink([&](bool value) { seen.push_back(value); });
    viewModel->selectedParkOut.send(PlanParkOutDirection::FORWARD);
    viewModel->selectedParkOut.send(std::nullopt);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
}

TEST_F(PlanConfirmationTest, TheObstaclePopUpIsRaisedOncePerShowing)
{
    viewModel->updateObstaclePopup(true, SEL_PARK_IN);
    viewModel->updateObstaclePopup(true, SEL_PARK_IN);
    EXPECT_EQ(takeActions(), Texts{"showObstacleAlert"});
    EXPECT_EQ(viewModel->popupKind, PopupKind::obstacle);
    viewModel->updateObstaclePopup(false, SEL_PARK_IN);
    EXPECT_EQ(takeActions(), (Texts{"dismissPresentedViewController", "playPreview"}));
    viewModel->updateObstaclePopup(true, SEL_PARK_IN);
    EXPECT_TRUE(takeActions().empty()) << "the kind stays until the screen unlocks";
    viewModel->unlockDisplay();
    takeActions();
    viewModel->updateObstaclePopup(true, SEL_FORWARD_BACKWARD);
    EXPECT_EQ(takeActions(), Texts{"showObstacleAlert"});
}

TEST_F(PlanConfirmationTest, UnlockingFollowsThePlanDisplaysWithOneSubscription)
{
    viewModel->popupKind = PopupKind::obstacle;
    viewModel->lockingDisplay = true;
    ActionRecorder recorder(viewModel->baseActionPublisher());
    viewModel->unlockDisplay();
    viewModel->unlockDisplay();
    EXPECT_EQ(recorder.texts(), (Texts{"hideIndicator", "hideIndicator"}));
    EXPECT_FALSE(viewModel->lockingDisplay);
    EXPECT_FALSE(viewModel->popupKind.has_value());
    EXPECT_EQ(takeActions(), (Texts{"playPreview", "dismissPresentedViewController", "playPreview"}));
    for (auto id : {SEL_PARK_IN, OPERATE, SEL_PARK_OUT, SEL_FORWARD_BACKWARD})
        displayData->subject.send(id);
    EXPECT_EQ(takeActions(), (Texts{"applyParkInPlanView", "applyParkOutPlanView", "applyForwardBackwardPlanView"}));
    viewModel->clearCancellables();
    displayData->subject.send(SEL_PARK_IN);
    EXPECT_TRUE(takeActions().empty()) << "the screen's disappearance ends the subscription";
}

TEST_F(PlanConfirmationTest, APlanTransitionResumesFrozenPreviewsOnly)
{
    viewModel->transition(SEL_PARK_OUT, CauseId::DEF);
    EXPECT_TRUE(takeActions().empty());
    viewModel->lockingDisplay = true;
    viewModel->transition(OPERATE, CauseId::DEF);
    EXPECT_TRUE(takeActions().empty());
    viewModel->transition(SEL_PARK_OUT, CauseId::DEF);
    EXPECT_EQ(takeActions(), Texts{"playPreview"});
    EXPECT_FALSE(viewModel->lockingDisplay);
}

TEST_F(PlanConfirmationTest, ConfirmingTheObstacleSilencesItOnThatPlanUntilThePlanChanges)
{
    viewModel->unlockDisplay();
    viewModel->updateObstaclePopup(true, SEL_PARK_IN);
    auto alert = std::get<PlanConfirmationAction::showObstacleAlert>(viewModel->actionSubject.value().value);
    alert.okAction->handler()(*alert.okAction);
    takeActions();
    viewModel->updateObstaclePopup(true, SEL_PARK_IN);
    displayData->subject.send(SEL_PARK_IN);
    viewModel->updateObstaclePopup(true, SEL_PARK_IN);
    EXPECT_EQ(takeActions(), Texts{"applyParkInPlanView"});
    displayData->subject.send(SEL_FORWARD_BACKWARD);
    viewModel->updateObstaclePopup(true, SEL_FORWARD_BACKWARD);
    EXPECT_EQ(takeActions(), (Texts{"applyForwardBackwardPlanView", "showObstacleAlert"}));
}

} // namespace
} // namespace screen_testing
