#pragma once

#include "Class/UI/PlanConfirmation/View/PlanPreviewPlayer.h"

#include "Internal/Model/MoveParkInDirection.h"
#include "Internal/Model/PlanParkInDirection.h"

namespace tolvane {
struct PlanParkInInfo;
}

namespace tolvane::app {

// The park-in preview: the vehicle's recommended side is shown and selected; there is no choice.
class InPreview final : public PlanPreviewPlayer {
public:
    explicit InPreview(const ui::Rect& frame = {});

    std::optional<PlanParkInDirection> lastRecommended;
    std::optional<MoveParkInDirection> lastPlan;

    const std::optional<PlanParkInDirection>& currentSelect() const { return currentSelect_; }
    // A changed side plays its animation and becomes the view model's park-in selection.
    void setCurrentSelect(std::optional<PlanParkInDirection> select);

    void subscribePlan() override;
    void applyPlan(const PlanParkInInfo& plan);
    void updateAnimation();
    void playBackToLeftParallelAnimation();

private:
    std::optional<PlanParkInDirection> currentSelect_;
};

} // namespace tolvane::app
