#pragma once

#include "Class/UI/Operating/View/DriveProgress/DriveProgressView.h"

namespace tolvane::app {

// The first view of the "DriveProgressView" nib: two distance labels and the six trajectory pictures.
class DriveProgressNib : public ui::View {
public:
    static constexpr const char* name = "DriveProgressView";
    static void registerNib();

    DriveProgressNib();

    DriveProgressView::Outlets outlets;
};

} // namespace tolvane::app
