#pragma once

#include <cmath>

namespace ui {

// A position in points; y grows downwards.
struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(const Point& other) const { return {x + other.x, y + other.y}; }
    Point operator-(const Point& other) const { return {x - other.x, y - other.y}; }
    double distanceTo(const Point& other) const { return std::hypot(x - other.x, y - other.y); }
};

} // namespace ui
