#pragma once

#include "ui/Color.h"

#include <QColor>
#include <QGradient>
#include <QImage>

#include <vector>

namespace ui {

// Conversions between our colours and Qt's.
QColor toQColor(const Color& color);
// Evenly spaced when `locations` does not give one location per colour.
QGradientStops gradientStops(const std::vector<Color>& colors, const std::vector<double>& locations);
// The image's shape filled with `tint` (a template image).
QImage tinted(const QImage& image, const Color& tint);

} // namespace ui
