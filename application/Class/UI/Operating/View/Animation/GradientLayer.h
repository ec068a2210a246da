#pragma once

#include "ui/GradientLayer.h"

#include <vector>

namespace tolvane::app {

// The soft blue disc the slider's pulse animations draw: a radial blend of two translucent blues
// from the centre outwards.
class GradientLayer : public ui::GradientLayer {
public:
    GradientLayer();

    const std::vector<ui::Color> uiColors;
};

} // namespace tolvane::app
