#include "ui/GradientLayer.h"

#include "ui/GraphicsContext.h"
#include "ui/QtColor.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace ui {

void GradientLayer::setType(GradientType type)
{
    type_ = type;
    setNeedsDisplay();
}

void GradientLayer::setColors(std::vector<Color> colors)
{
    colors_ = std::move(colors);
    setNeedsDisplay();
}

void GradientLayer::setLocations(std::vector<double> locations)
{
    locations_ = std::move(locations);
    setNeedsDisplay();
}

void GradientLayer::setStartPoint(const Point& point)
{
    startPoint_ = point;
    setNeedsDisplay();
}

void GradientLayer::setEndPoint(const Point& point)
{
    endPoint_ = point;
    setNeedsDisplay();
}

void GradientLayer::drawContent(GraphicsContext& context) const
{
    const Rect area = bounds();
    if (colors_.empty() || area.isEmpty())
        return;
    QPainter& painter = context.painter();
    painter.save();
    // Unit coordinates stretched over the bounds, so a radial gradient becomes an ellipse.
    painter.translate(area.x(), area.y());
    painter.scale(area.width(), area.height());
    const QGradientStops stops = gradientStops(colors_, locations_);
    if (type_ == GradientType::radial) {
        const double radius = startPoint_.distanceTo(endPoint_);
        QRadialGradient gradient(startPoint_.x, startPoint_.y, radius);
        gradient.setStops(stops);
        painter.fillRect(QRectF(0, 0, 1, 1), gradient);
    } else {
        QLinearGradient gradient(startPoint_.x, startPoint_.y, endPoint_.x, endPoint_.y);
        gradient.setStops(stops);
        painter.fillRect(QRectF(0, 0, 1, 1), gradient);
    }
    painter.restore();
}

} // namespace ui
