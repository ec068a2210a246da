#pragma once

#include "ui/Color.h"
#include "ui/Point.h"

#include <memory>

namespace ui {
class ShapeLayer;
}

namespace tolvane::app {

// A filled dot of `radius` whose layer is placed by its corner at `center` minus the radius, with the
// path drawn from that corner.
std::shared_ptr<ui::ShapeLayer> makeCircleLayer(const ui::Color& color, const ui::Point& center, double radius);

} // namespace tolvane::app
