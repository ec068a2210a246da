#include "PlanConfirmationTesting.h"

#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"
#include "Class/UI/PlanConfirmation/View/InPreview.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewParallel.h"
#include "Class/UI/PlanConfirmation/View/OutPreviewVertical.h"

#include "ui/Button.h"
#include "ui/ImageView.h"

namespace screen_testing {
namespace {

using enum PlanParkOutDirection;
using FB = PlanForwardBackwardDirection;

class PlanPreviewTest : public PlanConfirmationTest {
protected:
    // A preview as the screen prepares it: given the view model, hidden, then following its plans.
    template <class Preview>
    std::shared_ptr<Preview> prepared()
    {
        auto preview = std::make_shared<Preview>(ui::Rect{0, 0, 342, 452});
        preview->viewModel = viewModel;
        preview->setPreviewHidden(true);
        preview->subscribePlan();
        return preview;
    }

    bool isSelected() const
    {
        bool selected = false;
        auto subscription = viewModel->isSelectedDestination().sink([&](bool value) { selected = value; });
        return selected;
    }
};

TEST_F(PlanPreviewTest, ParkInPlaysTheRecommendedSidesAnimationForEachMovement)
{
    using enum MoveParkInDirection;
    struct Case {
        PlanParkInDirection side;
        MoveParkInDirection movement;
        const char* animation;
    };
    const Case cases[] = {
        {PlanParkInDirection::LEFT, PARALLEL_FORWARD, "anim_into_left_parallel"},
        {PlanParkInDirection::LEFT, PARALLEL_BACKWARD, "anim_back_to_left_parallel"},
        {PlanParkInDirection::LEFT, VERTICAL, "anim_back_to_left_vertical"},
        {PlanParkInDirection::RIGHT, PARALLEL_FORWARD, "anim_into_right_parallel"},
        {PlanParkInDirection::RIGHT, PARALLEL_BACKWARD, "anim_back_to_right_parallel"},
        {PlanParkInDirection::RIGHT, VERTICAL, "anim_back_to_right_vertical"},
    };
    for (const auto& c : cases) {
        auto preview = prepared<InPreview>();
        vehicleState->parkIn.send({false, c.movement, c.side});
        EXPECT_EQ(preview->playingAnimation(), c.animation);
        EXPECT_TRUE(preview->animLayer->image().has_value() && preview->animLayer->image()->isAnimated()) << c.animation;
        EXPECT_EQ(viewModel->selectedParkIn.value(), c.side);
    }
}

TEST_F(PlanPreviewTest, ARepeatedParkInRecordChangesNothingAndANewMovementKeepsTheSelection)
{
    auto preview = prepared<InPreview>();
    int writes = 0;
    auto counting = viewModel->selectedParkIn.publisher().dropFirst().sink([&](const auto&) { ++writes; });
    vehicleState->parkIn.send({false, MoveParkInDirection::PARALLEL_BACKWARD, PlanParkInDirection::RIGHT});
    vehicleState->parkIn.send({false, MoveParkInDirection::PARALLEL_BACKWARD, PlanParkInDirection::RIGHT});
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(preview->playingAnimation(), "anim_back_to_right_parallel");
    vehicleState->parkIn.send({false, MoveParkInDirection::VERTICAL, PlanParkInDirection::RIGHT});
    EXPECT_EQ(preview->playingAnimation(), "anim_back_to_right_vertical");
    EXPECT_EQ(writes, 1);
    vehicleState->parkIn.send({true, MoveParkInDirection::VERTICAL, PlanParkInDirection::RIGHT});
    EXPECT_EQ(takeActions().back(), "showObstacleAlert");
}

TEST_F(PlanPreviewTest, RecordsAreIgnoredWhileTheStopConfirmationIsUp)
{
    auto preview = prepared<InPreview>();
    viewModel->isShowStopConfirmation = true;
    vehicleState->parkIn.send({true, MoveParkInDirection::VERTICAL, PlanParkInDirection::LEFT});
    EXPECT_FALSE(preview->playingAnimation().has_value());
    EXPECT_TRUE(takeActions().empty());
}

TEST_F(PlanPreviewTest, ForwardBackwardSelectsTheRecommendationUnlessTheUsersChoiceIsStillOffered)
{
    auto preview = prepared<FrontBackPreview>();
    preview->setPreviewHidden(false);
    vehicleState->forwardBackward.send({false, {FB::FORWARD}, FB::BACKWARD});
    EXPECT_FALSE(preview->buttonTC->isHidden());
    EXPECT_FALSE(preview->buttonRC->isHidden());
    EXPECT_EQ(preview->currentSelect(), FB::BACKWARD);
    EXPECT_FALSE(preview->buttonRC->isEnabled());
    EXPECT_EQ(preview->playingAnimation(), "anim_back_parallel");

    preview->buttonTC->tap();
    EXPECT_EQ(viewModel->selectedForwardBackward.value(), FB::FORWARD);
    vehicleState->forwardBackward.send({false, {FB::FORWARD, FB::BACKWARD}, FB::BACKWARD});
    EXPECT_EQ(preview->currentSelect(), FB::FORWARD) << "the user's choice is still offered";
    vehicleState->forwardBackward.send({false, {}, FB::BACKWARD});
    EXPECT_EQ(preview->currentSelect(), FB::BACKWARD);
    EXPECT_FALSE(preview->selectByUser.has_value());
    EXPECT_TRUE(preview->buttonTC->isHidden());
}

TEST_F(PlanPreviewTest, AnObstacleSwapsTheForwardHighlightAndShowsTheRearSurroundings)
{
    auto preview = prepared<FrontBackPreview>();
    preview->setPreviewHidden(false);
    vehicleState->forwardBackward.send({false, {FB::FORWARD, FB::BACKWARD}, FB::FORWARD});
    EXPECT_FALSE(preview->highlightImageTC->isHidden());
    vehicleState->forwardBackward.send({true, {FB::FORWARD, FB::BACKWARD}, FB::FORWARD});
    EXPECT_TRUE(preview->highlightImageTC->isHidden());
    EXPECT_FALSE(preview->highlightImageTC_V->isHidden());
    EXPECT_FALSE(preview->envback->isHidden());
    EXPECT_TRUE(preview->envfront->isHidden());
    EXPECT_EQ(preview->playingAnimation(), "anim_front_vertical");

    preview->setPreviewHidden(true);
    EXPECT_FALSE(viewModel->selectedForwardBackward.value().has_value()) << "a hidden preview holds no selection";
}

TEST_F(PlanPreviewTest, ParkOutOffersOnlyTheControllableDirectionsAndPreselectsNothing)
{
    auto parallel = prepared<OutPreviewParallel>();
    auto vertical = prepared<OutPreviewVertical>();
    vehicleState->parkOut.send({MoveParkOutDirection::PARALLEL, {FORWARD, FORWARD_RIGHT}});
    EXPECT_FALSE(parallel->isHidden());
    EXPECT_TRUE(vertical->isHidden());
    for (size_t position = 0; position < OutPreview::positionCount; ++position) {
        const bool offered = position == 1 || position == 2;
        EXPECT_EQ(parallel->buttons[position]->isHidden(), !offered) << position;
        EXPECT_EQ(parallel->arrows[position]->isHidden(), !offered) << position;
        EXPECT_TRUE(parallel->highlightImages[position]->isHidden()) << position;
    }
    EXPECT_FALSE(parallel->playingAnimation().has_value());
    EXPECT_FALSE(isSelected());

    parallel->buttons[2]->tap();
    EXPECT_EQ(parallel->playingAnimation(), "anim_right_front_parallel");
    EXPECT_FALSE(parallel->buttons[2]->isEnabled());
    EXPECT_FALSE(parallel->highlightImages[2]->isHidden());
    EXPECT_TRUE(isSelected());
    vehicleState->parkOut.send({MoveParkOutDirection::PARALLEL, {FORWARD, FORWARD_RIGHT}});
    EXPECT_EQ(viewModel->selectedParkOut.value(), FORWARD_RIGHT) << "a repeated record keeps the tapped direction";

    vehicleState->parkOut.send({MoveParkOutDirection::PARALLEL, {FORWARD}});
    EXPECT_FALSE(parallel->playingAnimation().has_value());
    EXPECT_FALSE(parallel->animLayer->image().has_value());
    EXPECT_FALSE(isSelected());

    parallel->buttons[1]->tap();
    vehicleState->parkOut.send({MoveParkOutDirection::VERTICAL, {FORWARD, BACKWARD_LEFT}});
    EXPECT_TRUE(parallel->isHidden());
    EXPECT_FALSE(parallel->currentSelect().has_value());
    EXPECT_FALSE(vertical->isHidden());
    EXPECT_FALSE(vertical->currentSelect().has_value());
    EXPECT_FALSE(isSelected());
}

TEST_F(PlanPreviewTest, VerticalParkOutSurroundingsFollowTheOfferAndTheSelection)
{
    auto vertical = prepared<OutPreviewVertical>();
    struct Case {
        std::vector<PlanParkOutDirection> offered;
        size_t tapped;
        bool frontHidden;
        bool backHidden;
        const char* animation;
    };
    const Case cases[] = {
        {{FORWARD, BACKWARD_LEFT}, 1, true, true, "anim_front_vertical"},
        {{FORWARD, BACKWARD_LEFT}, 3, false, true, "anim_left_back_parallel"},
        {{FORWARD, BACKWARD}, 4, false, true, "anim_back_vertical"},
        {{FORWARD_LEFT, BACKWARD}, 0, false, false, "anim_left_front_vertical"},
        {{FORWARD_RIGHT, BACKWARD_RIGHT}, 5, false, true, "anim_right_back_parallel"},
    };
    for (const auto& c : cases) {
        vehicleState->parkOut.send({MoveParkOutDirection::VERTICAL, c.offered});
        vertical->buttons[c.tapped]->tap();
        EXPECT_EQ(vertical->envfront->isHidden(), c.frontHidden) << c.animation;
        EXPECT_EQ(vertical->envback->isHidden(), c.backHidden) << c.animation;
        EXPECT_EQ(vertical->playingAnimation(), c.animation);
    }
}

} // namespace
} // namespace screen_testing
