#pragma once

#include "Class/UI/Operating/View/Ring/RingControlView.h"

namespace tolvane::app {

// The first view of the "RingControl" nib (260 x 260): the progress ring, the circle the stick moves
// in, the trail and the stick.
class RingControlNib : public ui::View {
public:
    static constexpr const char* name = "RingControl";
    static void registerNib();

    RingControlNib();

    RingControlView::Outlets outlets;
};

} // namespace tolvane::app
