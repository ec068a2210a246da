#pragma once

#include "Class/UI/Operating/View/Slider/SliderControlOutlets.h"

#include "ui/View.h"

namespace tolvane::app {

// The first view of the "SliderControl" nib: the slider's subviews with their pictures, colours
// and arrow heights, and the outlets its owner takes over. Where things go is the slider's work.
class SliderControlNib : public ui::View {
public:
    static constexpr const char* name = "SliderControl";

    // Registers the nib's builder with the nib registry.
    static void registerNib();

    SliderControlNib();

    SliderControlOutlets outlets;
};

} // namespace tolvane::app
