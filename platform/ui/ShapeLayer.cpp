#include "ui/ShapeLayer.h"

#include "ui/QtColor.h"

#include <QPainter>

#include <algorithm>

namespace ui {

void ShapeLayer::setPath(const Path& path)
{
    path_ = path;
    setNeedsDisplay();
}

void ShapeLayer::setFillColor(const Color& color)
{
    fillColor_ = color;
    setNeedsDisplay();
}

void ShapeLayer::setStrokeColor(const Color& color)
{
    strokeColor_ = color;
    setNeedsDisplay();
}

void ShapeLayer::setLineWidth(double width)
{
    lineWidth_ = width;
    setNeedsDisplay();
}

void ShapeLayer::setLineCap(LineCap cap)
{
    lineCap_ = cap;
    setNeedsDisplay();
}

void ShapeLayer::setStrokeStart(double value)
{
    strokeStart_ = value;
    setNeedsDisplay();
}

void ShapeLayer::setStrokeEnd(double value)
{
    strokeEnd_ = value;
    setNeedsDisplay();
}

double ShapeLayer::modelValue(AnimatedProperty property) const
{
    if (property == AnimatedProperty::strokeStart)
        return strokeStart_;
    if (property == AnimatedProperty::strokeEnd)
        return strokeEnd_;
    return Layer::modelValue(property);
}

Color ShapeLayer::modelColor(AnimatedProperty property) const
{
    if (property == AnimatedProperty::fillColor)
        return fillColor_;
    return Layer::modelColor(property);
}

void ShapeLayer::drawContent(GraphicsContext& context) const
{
    if (path_.isEmpty())
        return;
    QPainter& painter = context.painter();
    const Color fill = presentationColor(AnimatedProperty::fillColor, context.time());
    if (!fill.isClear())
        painter.fillPath(path_.qt(), toQColor(fill));
    const double start = std::clamp(presentationValue(AnimatedProperty::strokeStart, context.time()), 0.0, 1.0);
    const double end = std::clamp(presentationValue(AnimatedProperty::strokeEnd, context.time()), 0.0, 1.0);
    if (strokeColor_.isClear() || lineWidth_ <= 0 || end <= start)
        return;
    QPen pen(toQColor(strokeColor_));
    pen.setWidthF(lineWidth_);
    pen.setCapStyle(lineCap_ == LineCap::round ? Qt::RoundCap : lineCap_ == LineCap::square ? Qt::SquareCap : Qt::FlatCap);
    if (start > 0 || end < 1) {
        // Part of the stroke as one dash, measured in line widths as Qt's dash patterns are.
        const double length = path_.qt().length();
        pen.setDashPattern({(end - start) * length / lineWidth_, (length + 1) / lineWidth_ * 2});
        pen.setDashOffset(-start * length / lineWidth_);
    }
    painter.strokePath(path_.qt(), pen);
}

} // namespace ui
