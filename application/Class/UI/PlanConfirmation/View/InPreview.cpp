#include "Class/UI/PlanConfirmation/View/InPreview.h"

#include "Class/UI/PlanConfirmation/View/PlanPreviewNibs.h"
#include "Class/UI/PlanConfirmation/ViewModel/IPlanConfirmationViewModel.h"

#include "Internal/Model/IVehicleStateData.h"
#include "Internal/Model/PlanParkInInfo.h"

namespace tolvane::app {
namespace {

const char* animationFor(PlanParkInDirection side, MoveParkInDirection movement)
{
    const bool left = side == PlanParkInDirection::LEFT;
    switch (movement) {
    case MoveParkInDirection::PARALLEL_FORWARD:
        return left ? "anim_into_left_parallel" : "anim_into_right_parallel";
    case MoveParkInDirection::PARALLEL_BACKWARD:
        return left ? "anim_back_to_left_parallel" : "anim_back_to_right_parallel";
    case MoveParkInDirection::VERTICAL:
        return left ? "anim_back_to_left_vertical" : "anim_back_to_right_vertical";
    }
    return "";
}

} // namespace

InPreview::InPreview(const ui::Rect& frame) : PlanPreviewPlayer(frame)
{
    PlanPreviewNibs::loadInPreview(*this);
}

void InPreview::subscribePlan()
{
    std::weak_ptr<InPreview> weak = std::static_pointer_cast<InPreview>(shared_from_this());
    cancellables.insert(model().vehicleStateData()->planParkInInfo().sink([weak](const PlanParkInInfo& plan) {
        if (auto self = weak.lock())
            self->applyPlan(plan);
    }));
}

void InPreview::applyPlan(const PlanParkInInfo& plan)
{
    if (model().isStopConfirmationShown())
        return;
    const bool movementChanged = lastPlan != plan.moveDirection;
    lastPlan = plan.moveDirection;
    if (movementChanged)
        updateAnimation();
    lastRecommended = plan.recommendedDirection;
    setCurrentSelect(plan.recommendedDirection);
    model().updateObstaclePopup(plan.obstacle, RequiredDisplayId::SEL_PARK_IN);
}

void InPreview::setCurrentSelect(std::optional<PlanParkInDirection> select)
{
    if (select == currentSelect_)
        return;
    currentSelect_ = select;
    updateAnimation();
    model().selectedParkInDestination().send(select);
}

void InPreview::updateAnimation()
{
    if (!currentSelect_ || !lastPlan)
        return;
    playAnimation(animationFor(*currentSelect_, *lastPlan));
}

void InPreview::playBackToLeftParallelAnimation()
{
    playAnimation("anim_back_to_left_parallel");
}

} // namespace tolvane::app
