#include "Class/UI/Operating/View/Ring/CircleLayer.h"

#include "ui/ShapeLayer.h"

namespace tolvane::app {

std::shared_ptr<ui::ShapeLayer> makeCircleLayer(const ui::Color& color, const ui::Point& center, double radius)
{
    auto layer = std::make_shared<ui::ShapeLayer>();
    layer->setFrame({center.x - radius, center.y - radius, 2 * radius, 2 * radius});
    layer->setPath(ui::Path::roundedRect({0, 0, 2 * radius, 2 * radius}, radius));
    layer->setFillColor(color);
    return layer;
}

} // namespace tolvane::app
