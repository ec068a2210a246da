#include "ui/QtColor.h"

#include <QPainter>

#include <algorithm>

namespace ui {

QColor toQColor(const Color& color)
{
    return QColor::fromRgbF(static_cast<float>(std::clamp(color.red, 0.0, 1.0)), static_cast<float>(std::clamp(color.green, 0.0, 1.0)),
                            static_cast<float>(std::clamp(color.blue, 0.0, 1.0)), static_cast<float>(std::clamp(color.alpha, 0.0, 1.0)));
}

QGradientStops gradientStops(const std::vector<Color>& colors, const std::vector<double>& locations)
{
    QGradientStops stops;
    const bool given = locations.size() == colors.size();
    for (size_t i = 0; i < colors.size(); ++i) {
        const double at = given ? locations[i] : (colors.size() == 1 ? 0.0 : static_cast<double>(i) / static_cast<double>(colors.size() - 1));
        stops.append({std::clamp(at, 0.0, 1.0), toQColor(colors[i])});
    }
    return stops;
}

QImage tinted(const QImage& image, const Color& tint)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(result.rect(), toQColor(tint));
    return result;
}

} // namespace ui
