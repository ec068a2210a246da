#pragma once

#include "ui/Point.h"

namespace ui {

// x' = a·x + c·y + tx, y' = b·x + d·y + ty, the platform's matrix layout.
struct AffineTransform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    friend bool operator==(const AffineTransform&, const AffineTransform&) = default;

    static AffineTransform identity() { return {}; }
    static AffineTransform scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static AffineTransform translation(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static AffineTransform rotation(double radians);

    bool isIdentity() const { return *this == identity(); }
    Point apply(const Point& p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    // This transform followed by `next`.
    AffineTransform concatenated(const AffineTransform& next) const;
    // Identity when the transform cannot be inverted (a zero scale), as the platform does.
    AffineTransform inverted() const;
};

} // namespace ui
