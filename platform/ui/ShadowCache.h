#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

#include <cstdint>

namespace ui {

// A shadowed layer's drawing and its blurred shadow, kept while nothing in the layer changes, so
// that the next frame shows both without drawing the layer's content again or comparing it with the
// last. Blurring is the costly part of a shadow.
class ShadowCache {
public:
    // The drawing kept for the layer's change `stamp` at `pixelsPerPoint`, or null.
    const QImage* content(std::uint64_t stamp, double pixelsPerPoint) const;
    // Where the kept drawing lies in the layer's coordinates.
    const QRectF& extent() const { return extent_; }
    // Keeps `content`, drawn over `extent`, as the drawing of `stamp`; a stamp of 0 (something in it
    // changes by itself) is never found again.
    const QImage& keep(QImage content, const QRectF& extent, std::uint64_t stamp, double pixelsPerPoint);
    // The kept drawing's shadow in `color`, blurred again only when the drawing or the shadow changed.
    const QImage& shadow(const QColor& color, double blurPixels);
    // `content`'s silhouette blurred to a Gaussian of sigma = `blurPixels` / 2, in `color`.
    static QImage shadowOf(const QImage& content, const QColor& color, double blurPixels);

private:
    QImage content_;
    QRectF extent_;
    std::uint64_t stamp_ = 0;
    double pixelsPerPoint_ = 0;
    bool blurred_ = false;
    QColor color_;
    double blurPixels_ = -1;
    QImage shadow_;
};

} // namespace ui
