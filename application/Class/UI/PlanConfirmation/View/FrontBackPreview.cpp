#include "Class/UI/PlanConfirmation/View/FrontBackPreview.h"

#include "Class/UI/PlanConfirmation/View/PlanPreviewNibs.h"
#include "Class/UI/PlanConfirmation/ViewModel/IPlanConfirmationViewModel.h"

#include "Internal/Model/IVehicleStateData.h"
#include "Internal/Model/PlanForwardBackwardInfo.h"
#include "ui/Button.h"
#include "ui/ImageView.h"

namespace tolvane::app {

using enum PlanForwardBackwardDirection;

FrontBackPreview::FrontBackPreview(const ui::Rect& frame) : PlanPreviewPlayer(frame)
{
    PlanPreviewNibs::loadFrontBackPreview(*this);
}

void FrontBackPreview::subscribePlan()
{
    std::weak_ptr<FrontBackPreview> weak = std::static_pointer_cast<FrontBackPreview>(shared_from_this());
    cancellables.insert(model().vehicleStateData()->planForwardBackwardInfo().sink([weak](const PlanForwardBackwardInfo& plan) {
        if (auto self = weak.lock())
            self->applyPlan(plan);
    }));
}

void FrontBackPreview::applyPlan(const PlanForwardBackwardInfo& plan)
{
    if (model().isStopConfirmationShown())
        return;
    if (isObstacle != plan.obstacle) {
        isObstacle = plan.obstacle;
        showSelection();
    }
    model().updateObstaclePopup(plan.obstacle, RequiredDisplayId::SEL_FORWARD_BACKWARD);
    std::set<PlanForwardBackwardDirection> offered(plan.controllableDirections.begin(), plan.controllableDirections.end());
    offered.insert(plan.recommendedDirection);
    if (offered == selectable_ && lastRecommended == plan.recommendedDirection)
        return;
    lastRecommended = plan.recommendedDirection;
    setSelectable(offered);
    // The user's choice survives while the vehicle still offers it.
    if (selectByUser && !offered.contains(*selectByUser))
        selectByUser.reset();
    setCurrentSelect(selectByUser.value_or(plan.recommendedDirection));
}

void FrontBackPreview::setSelectable(std::set<PlanForwardBackwardDirection> selectable)
{
    if (selectable == selectable_)
        return;
    selectable_ = std::move(selectable);
    if (currentSelect_ && !selectable_.contains(*currentSelect_))
        setCurrentSelect(std::nullopt);
    buttonTC->setHidden(!selectable_.contains(FORWARD));
    arrowTC->setHidden(!selectable_.contains(FORWARD));
    buttonRC->setHidden(!selectable_.contains(BACKWARD));
    arrowRC->setHidden(!selectable_.contains(BACKWARD));
}

void FrontBackPreview::setCurrentSelect(std::optional<PlanForwardBackwardDirection> select)
{
    if (select == currentSelect_)
        return;
    currentSelect_ = select;
    updateSelectionView();
}

void FrontBackPreview::updateSelectionView()
{
    buttonTC->setEnabled(currentSelect_ != FORWARD);
    buttonRC->setEnabled(currentSelect_ != BACKWARD);
    showSelection();
    model().selectedForwardBackwardDestination().send(currentSelect_);
}

void FrontBackPreview::showSelection()
{
    const bool forward = currentSelect_ == FORWARD;
    const bool backward = currentSelect_ == BACKWARD;
    highlightImageTC->setHidden(!(forward && !isObstacle));
    highlightImageRC->setHidden(!(backward && !isObstacle));
    highlightImageTC_V->setHidden(!(forward && isObstacle));
    highlightImageRC_V->setHidden(!(backward && isObstacle));
    envfront->setHidden(!(isObstacle && !forward));
    envback->setHidden(!(isObstacle && !backward));
    if (forward)
        playAnimation(isObstacle ? "anim_front_vertical" : "anim_front_parallel");
    else if (backward)
        playAnimation(isObstacle ? "anim_back_vertical" : "anim_back_parallel");
    else
        clearAnimation();
}

void FrontBackPreview::selectForward()
{
    if (isTutorial) {
        playFrontParallelAnimation();
        return;
    }
    setCurrentSelect(FORWARD);
    selectByUser = FORWARD;
}

void FrontBackPreview::selectBackward()
{
    if (isTutorial) {
        playBackParallelAnimation();
        return;
    }
    setCurrentSelect(BACKWARD);
    selectByUser = BACKWARD;
}

void FrontBackPreview::setPreviewHidden(bool hidden)
{
    if (isHidden() == hidden)
        return;
    setHidden(hidden);
    // A hidden preview holds no selection, so the view model's forward/backward one is cleared.
    setSelectable({});
    setCurrentSelect(std::nullopt);
    selectByUser.reset();
    lastRecommended.reset();
}

void FrontBackPreview::playFrontParallelAnimation()
{
    playTutorialAnimation("anim_front_parallel", false, true);
}

void FrontBackPreview::playBackParallelAnimation()
{
    playTutorialAnimation("anim_back_parallel", true, false);
}

void FrontBackPreview::playTutorialAnimation(const std::string& name, bool forwardEnabled, bool backwardEnabled)
{
    // No plan comes to the tutorial, so both directions are offered for their demonstrations.
    setSelectable({FORWARD, BACKWARD});
    playAnimation(name);
    buttonTC->setEnabled(forwardEnabled);
    buttonRC->setEnabled(backwardEnabled);
    if (forwardEnabled) {
        highlightImageTC->setHidden(true);
        highlightImageTC_V->setHidden(true);
    }
    if (backwardEnabled) {
        highlightImageRC->setHidden(true);
        highlightImageRC_V->setHidden(true);
    }
    envfront->setHidden(true);
    envback->setHidden(true);
}

} // namespace tolvane::app
