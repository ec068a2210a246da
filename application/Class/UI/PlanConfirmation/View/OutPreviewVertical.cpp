#include "Class/UI/PlanConfirmation/View/OutPreviewVertical.h"

#include "Class/UI/PlanConfirmation/View/PlanPreviewNibs.h"

#include "ui/ImageView.h"

namespace tolvane::app {

OutPreviewVertical::OutPreviewVertical(const ui::Rect& frame) : OutPreview(frame)
{
    PlanPreviewNibs::loadOutPreviewVertical(*this);
}

const char* OutPreviewVertical::animationFor(PlanParkOutDirection direction) const
{
    // The two diagonal backward movements look the same as from a parallel space.
    static const char* const names[] = {"anim_left_front_vertical", "anim_front_vertical", "anim_right_front_vertical",
                                        "anim_left_back_parallel",  "anim_back_vertical",  "anim_right_back_parallel"};
    return names[static_cast<size_t>(direction)];
}

void OutPreviewVertical::surroundingsForMovement()
{
    envfront->setHidden(false);
    envback->setHidden(offersBackwardDiagonal());
}

void OutPreviewVertical::surroundingsForSelectable()
{
    envback->setHidden(offersBackwardDiagonal());
}

void OutPreviewVertical::surroundingsForSelection()
{
    envfront->setHidden(currentSelect() == PlanParkOutDirection::FORWARD);
    envback->setHidden(currentSelect() == PlanParkOutDirection::BACKWARD || offersBackwardDiagonal());
}

} // namespace tolvane::app
