#pragma once

#include "ui/Layer.h"

namespace tolvane::app {

// Makes `layer` a circle of `radius` centred in `bounds`.
inline void placeCircle(ui::Layer& layer, const ui::Rect& bounds, double radius)
{
    layer.setFrame({bounds.width() * 0.5 - radius, bounds.height() * 0.5 - radius, 2 * radius, 2 * radius});
    layer.setCornerRadius(radius);
}

} // namespace tolvane::app
