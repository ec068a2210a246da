#pragma once

#include "ui/GradientLayer.h"

#include <QImage>

#include <vector>

namespace tolvane::app {

// The soft blue disc the slider's pulse animations draw: a radial blend of two translucent blues
// from the centre outwards. The pulses resize it on every step, so the blend is drawn once as a
// disc, at the largest size shown yet, and only scaled to the disc's size after that.
class GradientLayer : public ui::GradientLayer {
public:
    GradientLayer();

    const std::vector<ui::Color> uiColors;

    void drawContent(ui::GraphicsContext& context) const override;

private:
    mutable QImage blend_;
};

} // namespace tolvane::app
