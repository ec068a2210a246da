#pragma once

#include "Class/UI/PlanConfirmation/View/OutPreview.h"

namespace tolvane::app {

// The park-out preview of a car in a parallel space.
class OutPreviewParallel final : public OutPreview {
public:
    explicit OutPreviewParallel(const ui::Rect& frame = {});

    std::shared_ptr<ui::ImageView> envleft;
    std::shared_ptr<ui::ImageView> envright;

protected:
    MoveParkOutDirection movement() const override { return MoveParkOutDirection::PARALLEL; }
    const char* animationFor(PlanParkOutDirection direction) const override;
    void surroundingsForMovement() override;
};

} // namespace tolvane::app
