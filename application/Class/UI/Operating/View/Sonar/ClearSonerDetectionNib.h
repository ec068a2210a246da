#pragma once

#include "Class/UI/Operating/View/Sonar/ClearSonerDetectionView.h"

namespace tolvane::app {

// The first view of the "ClearSonerDetectionView" nib (180 x 280): the car seen from above, its 52
// bars round it, nearest first outwards, the four side frames and the moving-objects notice.
class ClearSonerDetectionNib : public ui::View {
public:
    static constexpr const char* name = "ClearSonerDetectionView";
    static void registerNib();

    ClearSonerDetectionNib();

    ClearSonerDetectionView::Outlets outlets;
};

} // namespace tolvane::app
