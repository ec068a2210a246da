#include "ui/PlacedImageCache.h"

#include "ui/QtColor.h"

#include <QTransform>

#include <algorithm>
#include <cmath>
#include <memory>

namespace ui {

PlacedImageCache::Placed PlacedImageCache::placed(const QImage& source, const std::optional<Color>& tint, const QRectF& onDevice,
                                                  QPainter::RenderHints hints)
{
    const QPoint origin(static_cast<int>(std::floor(onDevice.x())), static_cast<int>(std::floor(onDevice.y())));
    const QRectF placement = onDevice.translated(-origin);
    const Key key{source.cacheKey(), tint ? std::optional(toQColor(*tint).rgba()) : std::nullopt, placement, hints.toInt()};
    if (const QImage* cached = drawn_.object(key))
        return {*cached, origin};
    auto pixels = std::make_unique<QImage>(std::max(1, static_cast<int>(std::ceil(placement.right()))),
                                           std::max(1, static_cast<int>(std::ceil(placement.bottom()))), QImage::Format_ARGB32_Premultiplied);
    pixels->fill(Qt::transparent);
    {
        QPainter painter(pixels.get());
        painter.setRenderHints(hints);
        painter.drawImage(placement, tint ? tinted(source, *tint) : source);
    }
    Placed result{*pixels, origin};
    drawn_.insert(key, pixels.release(), result.pixels.sizeInBytes());
    return result;
}

PlacedImageCache& PlacedImageCache::forThisThread()
{
    thread_local PlacedImageCache cache;
    return cache;
}

void drawPlacedImage(QPainter& painter, const QImage& source, const std::optional<Color>& tint, const QRectF& target)
{
    const QTransform toDevice = painter.deviceTransform();
    // Mirrored, turned or sheared pictures, and other ways of combining, are drawn as they are.
    const bool upright = toDevice.type() <= QTransform::TxScale && toDevice.m11() > 0 && toDevice.m22() > 0;
    if (!upright || painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
        painter.drawImage(target, tint ? tinted(source, *tint) : source);
        return;
    }
    const PlacedImageCache::Placed placed =
        PlacedImageCache::forThisThread().placed(source, tint, toDevice.mapRect(target), painter.renderHints());
    // One image pixel on one device pixel: the painter copies it without scaling.
    painter.save();
    const QTransform world = painter.worldTransform();
    painter.setWorldTransform(QTransform::fromTranslate(placed.origin.x(), placed.origin.y()) * toDevice.inverted() * world);
    painter.drawImage(QPointF(0, 0), placed.pixels);
    painter.restore();
}

} // namespace ui
