#pragma once

#include "ui/Rect.h"

#include <QPainterPath>

namespace ui {

// A drawable outline of lines, curves and arcs. Angles are in radians; with y growing downwards a
// clockwise arc runs through increasing angles.
class Path {
public:
    Path() = default;
    static Path rect(const Rect& rect);
    static Path roundedRect(const Rect& rect, double cornerRadius);
    static Path ellipse(const Rect& rect);
    static Path fromQt(QPainterPath path) { return Path(std::move(path)); }

    void moveTo(const Point& point);
    void lineTo(const Point& point);
    void quadTo(const Point& control, const Point& end);
    void curveTo(const Point& control1, const Point& control2, const Point& end);
    // Joins the current point to the arc's start with a line, as the platform does.
    void addArc(const Point& center, double radius, double startAngle, double endAngle, bool clockwise);
    void addRect(const Rect& rect);
    void addPath(const Path& other);
    void close();

    bool isEmpty() const { return path_.isEmpty(); }
    Point currentPoint() const { return {path_.currentPosition().x(), path_.currentPosition().y()}; }
    Rect boundingBox() const;
    bool contains(const Point& point) const { return path_.contains(QPointF(point.x, point.y)); }
    const QPainterPath& qt() const { return path_; }

private:
    explicit Path(QPainterPath path) : path_(std::move(path)) {}
    QPainterPath path_;
};

} // namespace ui
