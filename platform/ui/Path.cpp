#include "ui/Path.h"

#include <cmath>
#include <numbers>

namespace ui {
namespace {

QRectF toQt(const Rect& rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

Path Path::rect(const Rect& rect)
{
    Path path;
    path.addRect(rect);
    return path;
}

Path Path::roundedRect(const Rect& rect, double cornerRadius)
{
    QPainterPath path;
    const double radius = std::min({cornerRadius, rect.width() * 0.5, rect.height() * 0.5});
    if (radius > 0)
        path.addRoundedRect(toQt(rect), radius, radius);
    else
        path.addRect(toQt(rect));
    return Path(path);
}

Path Path::ellipse(const Rect& rect)
{
    QPainterPath path;
    path.addEllipse(toQt(rect));
    return Path(path);
}

void Path::moveTo(const Point& point)
{
    path_.moveTo(point.x, point.y);
}

void Path::lineTo(const Point& point)
{
    path_.lineTo(point.x, point.y);
}

void Path::quadTo(const Point& control, const Point& end)
{
    path_.quadTo(control.x, control.y, end.x, end.y);
}

void Path::curveTo(const Point& control1, const Point& control2, const Point& end)
{
    path_.cubicTo(control1.x, control1.y, control2.x, control2.y, end.x, end.y);
}

void Path::addArc(const Point& center, double radius, double startAngle, double endAngle, bool clockwise)
{
    constexpr double fullTurn = 2 * std::numbers::pi;
    double sweep = clockwise ? endAngle - startAngle : startAngle - endAngle;
    if (sweep >= fullTurn)
        sweep = fullTurn;
    else {
        sweep = std::fmod(sweep, fullTurn);
        if (sweep < 0)
            sweep += fullTurn;
    }
    const QPointF start(center.x + radius * std::cos(startAngle), center.y + radius * std::sin(startAngle));
    if (path_.elementCount() == 0)
        path_.moveTo(start);
    else
        path_.lineTo(start);
    // Qt measures angles counter-clockwise on screen, in degrees.
    const double qtStart = -startAngle * 180.0 / std::numbers::pi;
    const double qtSweep = (clockwise ? -sweep : sweep) * 180.0 / std::numbers::pi;
    path_.arcTo(QRectF(center.x - radius, center.y - radius, 2 * radius, 2 * radius), qtStart, qtSweep);
}

void Path::addRect(const Rect& rect)
{
    path_.addRect(toQt(rect));
}

void Path::addPath(const Path& other)
{
    path_.addPath(other.path_);
}

void Path::close()
{
    path_.closeSubpath();
}

Rect Path::boundingBox() const
{
    const QRectF box = path_.boundingRect();
    return {box.x(), box.y(), box.width(), box.height()};
}

} // namespace ui
