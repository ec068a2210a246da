#pragma once

#include "ui/Layer.h"

#include <vector>

namespace ui {

enum class GradientType { axial, radial };

// Colours blended across the bounds. Points are in unit coordinates of the bounds; a radial gradient
// is centred on the start point and reaches the end point.
class GradientLayer : public Layer {
public:
    GradientType type() const { return type_; }
    void setType(GradientType type);
    const std::vector<Color>& colors() const { return colors_; }
    void setColors(std::vector<Color> colors);
    const std::vector<double>& locations() const { return locations_; }
    void setLocations(std::vector<double> locations);
    Point startPoint() const { return startPoint_; }
    void setStartPoint(const Point& point);
    Point endPoint() const { return endPoint_; }
    void setEndPoint(const Point& point);

    void drawContent(GraphicsContext& context) const override;

private:
    GradientType type_ = GradientType::axial;
    std::vector<Color> colors_;
    std::vector<double> locations_;
    Point startPoint_{0.5, 0.0};
    Point endPoint_{0.5, 1.0};
};

} // namespace ui
