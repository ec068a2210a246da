#include "Class/UI/PlanConfirmation/View/OutPreviewParallel.h"

#include "Class/UI/PlanConfirmation/View/PlanPreviewNibs.h"

#include "ui/ImageView.h"

namespace tolvane::app {

OutPreviewParallel::OutPreviewParallel(const ui::Rect& frame) : OutPreview(frame)
{
    PlanPreviewNibs::loadOutPreviewParallel(*this);
}

const char* OutPreviewParallel::animationFor(PlanParkOutDirection direction) const
{
    static const char* const names[] = {"anim_left_front_parallel", "anim_front_parallel", "anim_right_front_parallel",
                                        "anim_left_back_parallel",  "anim_back_parallel",  "anim_right_back_parallel"};
    return names[static_cast<size_t>(direction)];
}

void OutPreviewParallel::surroundingsForMovement()
{
    envleft->setHidden(false);
    envright->setHidden(false);
}

} // namespace tolvane::app
