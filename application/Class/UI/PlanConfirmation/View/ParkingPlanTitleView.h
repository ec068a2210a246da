#pragma once

#include "Internal/Model/RequiredDisplayId.h"
#include "ui/View.h"

#include <memory>
#include <optional>

namespace ui {
class Label;
}

namespace tolvane::app {

// The plan confirmation's title: what to do for the current plan, and the constant warning not to
// obstruct the vehicle.
class ParkingPlanTitleView final : public ui::View {
public:
    explicit ParkingPlanTitleView(const ui::Rect& frame = {});

    std::shared_ptr<ui::Label> planTitleLabel;
    std::shared_ptr<ui::Label> operationAttentionLabel;

    const std::optional<RequiredDisplayId>& plan() const { return plan_; }
    // Shows the plan's title; any other display, or none, gives an empty title.
    void setPlan(std::optional<RequiredDisplayId> plan);

private:
    void updatePlanTitle();

    std::optional<RequiredDisplayId> plan_;
};

} // namespace tolvane::app
