#include "ui/ShadowCache.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ui {
namespace {

// One box-blur pass along rows (or columns) of the alpha channel.
void boxBlurAlpha(std::vector<float>& alpha, int width, int height, int radius, bool horizontal)
{
    if (radius <= 0)
        return;
    const int length = horizontal ? width : height;
    const int lines = horizontal ? height : width;
    std::vector<float> line(static_cast<size_t>(length));
    const float norm = 1.0f / static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        auto at = [&](int i) -> float& {
            const int x = horizontal ? i : l;
            const int y = horizontal ? l : i;
            return alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
        };
        for (int i = 0; i < length; ++i)
            line[static_cast<size_t>(i)] = at(i);
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += (i >= 0 && i < length) ? line[static_cast<size_t>(i)] : 0.0f;
        for (int i = 0; i < length; ++i) {
            at(i) = sum * norm;
            const int out = i - radius;
            const int in = i + radius + 1;
            if (out >= 0)
                sum -= line[static_cast<size_t>(out)];
            if (in < length)
                sum += line[static_cast<size_t>(in)];
        }
    }
}

// The content's silhouette, blurred to a Gaussian of sigma = radius / 2 by three box passes, in `color`.
QImage blurredSilhouette(const QImage& content, const QColor& color, double blurPixels)
{
    const int width = content.width();
    const int height = content.height();
    std::vector<float> alpha(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(content.constScanLine(y));
        for (int x = 0; x < width; ++x)
            alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = static_cast<float>(qAlpha(row[x])) / 255.0f;
    }
    const double sigma = blurPixels * 0.5;
    const int box = static_cast<int>(std::lround(std::sqrt(12.0 * sigma * sigma / 3.0 + 1.0) * 0.5 - 0.5));
    for (int pass = 0; pass < 3; ++pass) {
        boxBlurAlpha(alpha, width, height, box, true);
        boxBlurAlpha(alpha, width, height, box, false);
    }
    QImage shadow(width, height, QImage::Format_ARGB32_Premultiplied);
    const float r = static_cast<float>(color.redF()), g = static_cast<float>(color.greenF()), b = static_cast<float>(color.blueF());
    const float a = static_cast<float>(color.alphaF());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const float value = std::clamp(alpha[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] * a, 0.0f, 1.0f);
            row[x] = qRgba(static_cast<int>(r * value * 255.0f + 0.5f), static_cast<int>(g * value * 255.0f + 0.5f),
                           static_cast<int>(b * value * 255.0f + 0.5f), static_cast<int>(value * 255.0f + 0.5f));
        }
    }
    return shadow;
}

} // namespace

const QImage* ShadowCache::content(std::uint64_t stamp, double pixelsPerPoint) const
{
    return stamp != 0 && stamp == stamp_ && pixelsPerPoint == pixelsPerPoint_ ? &content_ : nullptr;
}

const QImage& ShadowCache::keep(QImage content, const QRectF& extent, std::uint64_t stamp, double pixelsPerPoint)
{
    content_ = std::move(content);
    extent_ = extent;
    stamp_ = stamp;
    pixelsPerPoint_ = pixelsPerPoint;
    blurred_ = false;
    return content_;
}

const QImage& ShadowCache::shadow(const QColor& color, double blurPixels)
{
    if (!blurred_ || color != color_ || blurPixels != blurPixels_) {
        shadow_ = shadowOf(content_, color, blurPixels);
        blurred_ = true;
        color_ = color;
        blurPixels_ = blurPixels;
    }
    return shadow_;
}

QImage ShadowCache::shadowOf(const QImage& content, const QColor& color, double blurPixels)
{
    return blurredSilhouette(content, color, blurPixels);
}

} // namespace ui
