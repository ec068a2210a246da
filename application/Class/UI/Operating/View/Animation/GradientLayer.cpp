#include "Class/UI/Operating/View/Animation/GradientLayer.h"

#include "ui/GraphicsContext.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tolvane::app {

GradientLayer::GradientLayer()
    : uiColors{ui::Color{0.403921568627451, 0.4196078431372549, 0.7607843137254902, 0.2},
               ui::Color{0.25882352941176473, 0.5058823529411764, 1.0, 0.2}}
{
    setType(ui::GradientType::radial);
    setColors(uiColors);
    setLocations({0.0, 1.0});
    setStartPoint({0.5, 0.5});
    setEndPoint({1.0, 1.0});
}

void GradientLayer::drawContent(ui::GraphicsContext& context) const
{
    const ui::Rect area = bounds();
    if (area.isEmpty())
        return;
    QPainter& painter = context.painter();
    const double pixelsPerPoint = std::sqrt(std::abs(painter.deviceTransform().determinant()));
    const int side = static_cast<int>(std::ceil(std::max(area.width(), area.height()) * pixelsPerPoint));
    if (blend_.width() < side) {
        blend_ = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        blend_.fill(Qt::transparent);
        QPainter blend(&blend_);
        blend.setRenderHints(painter.renderHints());
        // The owners make it a circle: the kept blend is cut to a disc, so no clip is set each step.
        QPainterPath disc;
        disc.addEllipse(QRectF(0, 0, side, side));
        blend.setClipPath(disc);
        blend.scale(side / area.width(), side / area.height());
        blend.translate(-area.x(), -area.y());
        ui::GraphicsContext blendContext(blend);
        ui::GradientLayer::drawContent(blendContext);
    }
    painter.drawImage(QRectF(area.x(), area.y(), area.width(), area.height()), blend_);
}

} // namespace tolvane::app
