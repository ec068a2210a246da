#include "Class/UI/PlanConfirmation/View/OutPreview.h"

#include "Class/UI/PlanConfirmation/ViewModel/IPlanConfirmationViewModel.h"

#include "Internal/Model/IVehicleStateData.h"
#include "Internal/Model/PlanParkOutInfo.h"
#include "ui/Button.h"
#include "ui/ImageView.h"

namespace tolvane::app {
namespace {

using enum PlanParkOutDirection;

constexpr PlanParkOutDirection directionAt(size_t position)
{
    return static_cast<PlanParkOutDirection>(position);
}

constexpr size_t TL = 0;
constexpr size_t TR = 2;

} // namespace

OutPreview::OutPreview(const ui::Rect& frame) : PlanPreviewPlayer(frame) {}

void OutPreview::subscribePlan()
{
    std::weak_ptr<OutPreview> weak = std::static_pointer_cast<OutPreview>(shared_from_this());
    cancellables.insert(model().vehicleStateData()->planParkOutInfo().sink([weak](const PlanParkOutInfo& plan) {
        if (auto self = weak.lock())
            self->applyPlan(plan);
    }));
}

void OutPreview::applyPlan(const PlanParkOutInfo& plan)
{
    if (model().isStopConfirmationShown())
        return;
    if (plan.moveDirection != movement()) {
        setIsHorizontal(plan.moveDirection == MoveParkOutDirection::PARALLEL);
        setPreviewHidden(true);
        return;
    }
    // Shown before the movement is taken: showing forgets the movement, and a movement forgotten
    // here would drop a direction tapped before the next record.
    setPreviewHidden(false);
    setIsHorizontal(plan.moveDirection == MoveParkOutDirection::PARALLEL);
    setSelectable({plan.controllableDirections.begin(), plan.controllableDirections.end()});
    if (!currentSelect_)
        model().selectedParkOutDestination().send(std::nullopt);
    else if (!selectable_.contains(*currentSelect_))
        setCurrentSelect(std::nullopt);
}

void OutPreview::setIsHorizontal(std::optional<bool> horizontal)
{
    if (horizontal == isHorizontal)
        return;
    isHorizontal = horizontal;
    setCurrentSelect(std::nullopt);
    highlightImages[TL]->setHidden(true);
    highlightImages[TR]->setHidden(true);
    buttons[TL]->setHidden(!selectable_.contains(directionAt(TL)));
    buttons[TR]->setHidden(!selectable_.contains(directionAt(TR)));
    for (size_t position = 0; position < positionCount; ++position)
        arrows[position]->setHidden(!selectable_.contains(directionAt(position)));
    surroundingsForMovement();
}

void OutPreview::setSelectable(std::set<PlanParkOutDirection> selectable)
{
    if (selectable == selectable_)
        return;
    selectable_ = std::move(selectable);
    if (currentSelect_ && !selectable_.contains(*currentSelect_))
        setCurrentSelect(std::nullopt);
    for (size_t position = 0; position < positionCount; ++position) {
        const bool offered = selectable_.contains(directionAt(position));
        buttons[position]->setHidden(!offered);
        arrows[position]->setHidden(!offered);
    }
    surroundingsForSelectable();
}

void OutPreview::setCurrentSelect(std::optional<PlanParkOutDirection> select)
{
    if (select == currentSelect_)
        return;
    currentSelect_ = select;
    updateSelectionView();
}

void OutPreview::updateSelectionView()
{
    for (size_t position = 0; position < positionCount; ++position) {
        const bool selected = currentSelect_ == directionAt(position);
        buttons[position]->setEnabled(!selected);
        highlightImages[position]->setHidden(!selected);
    }
    surroundingsForSelection();
    if (currentSelect_)
        playAnimation(animationFor(*currentSelect_));
    else
        clearAnimation();
    model().selectedParkOutDestination().send(currentSelect_);
}

void OutPreview::setPreviewHidden(bool hidden)
{
    if (isHidden() == hidden)
        return;
    setHidden(hidden);
    setIsHorizontal(std::nullopt);
    setSelectable({});
    setCurrentSelect(std::nullopt);
}

bool OutPreview::offersBackwardDiagonal() const
{
    return selectable_.contains(BACKWARD_RIGHT) || selectable_.contains(BACKWARD_LEFT);
}

} // namespace tolvane::app
