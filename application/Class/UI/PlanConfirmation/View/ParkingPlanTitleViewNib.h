#pragma once

namespace tolvane::app {

class ParkingPlanTitleView;

// The interface file "ParkingPlanTitleView": the plan's title over the attention line.
class ParkingPlanTitleViewNib {
public:
    // Adds the content to `owner` and fills its outlets.
    static void load(ParkingPlanTitleView& owner);
};

} // namespace tolvane::app
