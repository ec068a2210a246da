#pragma once

#include "Class/UI/PlanConfirmation/View/OutPreview.h"

namespace tolvane::app {

// The park-out preview of a car in a perpendicular space.
class OutPreviewVertical final : public OutPreview {
public:
    explicit OutPreviewVertical(const ui::Rect& frame = {});

    std::shared_ptr<ui::ImageView> envfront;
    std::shared_ptr<ui::ImageView> envback;

protected:
    MoveParkOutDirection movement() const override { return MoveParkOutDirection::VERTICAL; }
    const char* animationFor(PlanParkOutDirection direction) const override;
    void surroundingsForMovement() override;
    void surroundingsForSelectable() override;
    void surroundingsForSelection() override;
};

} // namespace tolvane::app
