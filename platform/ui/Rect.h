#pragma once

#include "ui/EdgeInsets.h"
#include "ui/Point.h"
#include "ui/Size.h"

#include <algorithm>

namespace ui {

// An origin and a size. Sizes are expected to be non-negative; nothing here standardises them.
struct Rect {
    Point origin;
    Size size;

    Rect() = default;
    Rect(Point origin, Size size) : origin(origin), size(size) {}
    Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    friend bool operator==(const Rect&, const Rect&) = default;

    double x() const { return origin.x; }
    double y() const { return origin.y; }
    double width() const { return size.width; }
    double height() const { return size.height; }
    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double midX() const { return origin.x + size.width * 0.5; }
    double midY() const { return origin.y + size.height * 0.5; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    Point center() const { return {midX(), midY()}; }
    bool isEmpty() const { return size.width <= 0 || size.height <= 0; }

    // The left and top edges are inside, the right and bottom edges are not.
    bool contains(const Point& p) const { return p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY(); }
    bool intersects(const Rect& other) const { return !intersected(other).isEmpty(); }

    Rect intersected(const Rect& other) const
    {
        const double left = std::max(minX(), other.minX());
        const double top = std::max(minY(), other.minY());
        const double right = std::min(maxX(), other.maxX());
        const double bottom = std::min(maxY(), other.maxY());
        if (right <= left || bottom <= top)
            return {};
        return {left, top, right - left, bottom - top};
    }

    Rect united(const Rect& other) const
    {
        const double left = std::min(minX(), other.minX());
        const double top = std::min(minY(), other.minY());
        return {left, top, std::max(maxX(), other.maxX()) - left, std::max(maxY(), other.maxY()) - top};
    }

    Rect offsetBy(double dx, double dy) const { return {origin.x + dx, origin.y + dy, size.width, size.height}; }
    Rect insetBy(double dx, double dy) const { return {origin.x + dx, origin.y + dy, size.width - 2 * dx, size.height - 2 * dy}; }
    Rect inset(const EdgeInsets& insets) const
    {
        return {origin.x + insets.left, origin.y + insets.top, size.width - insets.left - insets.right,
                size.height - insets.top - insets.bottom};
    }
};

} // namespace ui
