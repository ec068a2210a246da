#include "ui/GraphicsContext.h"

#include "ui/Font.h"
#include "ui/Image.h"
#include "ui/PlacedImageCache.h"
#include "ui/QtColor.h"
#include "ui/TextLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>
#include <numbers>

namespace ui {
namespace {

Qt::PenCapStyle qtCap(LineCap cap)
{
    switch (cap) {
    case LineCap::butt: return Qt::FlatCap;
    case LineCap::round: return Qt::RoundCap;
    case LineCap::square: return Qt::SquareCap;
    }
    return Qt::FlatCap;
}

Qt::PenJoinStyle qtJoin(LineJoin join)
{
    switch (join) {
    case LineJoin::miter: return Qt::MiterJoin;
    case LineJoin::round: return Qt::RoundJoin;
    case LineJoin::bevel: return Qt::BevelJoin;
    }
    return Qt::MiterJoin;
}

} // namespace

GraphicsContext::GraphicsContext(QPainter& painter) : painter_(painter) {}

void GraphicsContext::saveState()
{
    painter_.save();
}

void GraphicsContext::restoreState()
{
    painter_.restore();
}

void GraphicsContext::translate(double dx, double dy)
{
    painter_.translate(dx, dy);
}

void GraphicsContext::scale(double sx, double sy)
{
    painter_.scale(sx, sy);
}

void GraphicsContext::rotate(double radians)
{
    painter_.rotate(radians * 180.0 / std::numbers::pi);
}

void GraphicsContext::setAlpha(double alpha)
{
    painter_.setOpacity(alpha);
}

void GraphicsContext::applyPen()
{
    QPen pen(toQColor(strokeColor_));
    pen.setWidthF(lineWidth_);
    pen.setCapStyle(qtCap(lineCap_));
    pen.setJoinStyle(qtJoin(lineJoin_));
    painter_.setPen(pen);
}

void GraphicsContext::fillPath()
{
    QPainterPath path = path_.qt();
    path.setFillRule(Qt::WindingFill);
    painter_.fillPath(path, toQColor(fillColor_));
    beginPath();
}

void GraphicsContext::strokePath()
{
    applyPen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path_.qt());
    beginPath();
}

void GraphicsContext::replacePathWithStrokedPath()
{
    QPainterPathStroker stroker;
    stroker.setWidth(lineWidth_);
    stroker.setCapStyle(qtCap(lineCap_));
    stroker.setJoinStyle(qtJoin(lineJoin_));
    path_ = Path::fromQt(stroker.createStroke(path_.qt()).simplified());
}

void GraphicsContext::clip()
{
    painter_.setClipPath(path_.qt(), Qt::IntersectClip);
    beginPath();
}

void GraphicsContext::fill(const Rect& rect)
{
    painter_.fillRect(QRectF(rect.x(), rect.y(), rect.width(), rect.height()), toQColor(fillColor_));
}

void GraphicsContext::stroke(const Rect& rect)
{
    applyPen();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(rect.x(), rect.y(), rect.width(), rect.height()));
}

void GraphicsContext::fill(const Path& path, const Color& color)
{
    painter_.fillPath(path.qt(), toQColor(color));
}

void GraphicsContext::stroke(const Path& path, const Color& color, double width)
{
    QPen pen(toQColor(color));
    pen.setWidthF(width);
    painter_.strokePath(path.qt(), pen);
}

void GraphicsContext::drawLinearGradient(const std::vector<Color>& colors, const std::vector<double>& locations,
                                         const Point& start, const Point& end)
{
    if (colors.empty())
        return;
    QLinearGradient gradient(start.x, start.y, end.x, end.y);
    gradient.setStops(gradientStops(colors, locations));
    // The platform paints the whole clip, extending the end colours beyond the two points.
    gradient.setSpread(QGradient::PadSpread);
    const QRectF area = painter_.clipBoundingRect().isEmpty() ? QRectF(-1e5, -1e5, 2e5, 2e5) : painter_.clipBoundingRect();
    painter_.fillRect(area, gradient);
}

void GraphicsContext::drawImage(const Image& image, const Rect& rect, const Color& tint)
{
    const QRectF target(rect.x(), rect.y(), rect.width(), rect.height());
    const bool templated = image.renderingMode() == ImageRenderingMode::alwaysTemplate;
    drawPlacedImage(painter_, image.frameAt(time_), templated ? std::optional(tint) : std::nullopt, target);
}

void GraphicsContext::drawText(const std::string& text, const Rect& rect, const Font& font, const Color& color,
                               TextAlignment alignment, int numberOfLines)
{
    painter_.setPen(toQColor(color));
    TextLayout(text, font, rect.width(), numberOfLines).draw(painter_, rect, alignment);
}

} // namespace ui
