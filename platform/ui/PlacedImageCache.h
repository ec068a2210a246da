#pragma once

#include <QCache>
#include <QHashFunctions>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRectF>

#include "ui/Color.h"

#include <optional>

namespace ui {

// Pictures drawn once at the device pixels they cover, scaled and tinted there, so a picture that
// stays in place is copied on later frames instead of being scaled (and tinted) again. The copy
// matches drawing the picture straight onto the device. Bounded; the least recently used go first.
class PlacedImageCache {
public:
    struct Placed {
        QImage pixels;
        // The device pixel the copy's top left corner goes on.
        QPoint origin;
    };

    static constexpr qsizetype maximumBytes = 32 * 1024 * 1024;

    // `source` drawn into `onDevice` (device pixels), tinted like a template when a tint is given.
    Placed placed(const QImage& source, const std::optional<Color>& tint, const QRectF& onDevice, QPainter::RenderHints hints);
    // One per thread: drawing is single-threaded per thread and QImage copies are cheap.
    static PlacedImageCache& forThisThread();

private:
    struct Key {
        qint64 source;
        std::optional<QRgb> tint;
        // Where the picture lies within its first device pixel, and its size in device pixels.
        QRectF placement;
        unsigned hints;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.source, key.tint.value_or(0), key.tint.has_value(), key.placement.x(), key.placement.y(),
                              key.placement.width(), key.placement.height(), key.hints);
        }
    };

    QCache<Key, QImage> drawn_{maximumBytes};
};

// Draws `source` into `target` (the painter's coordinates) through the thread's cache where the
// painter only scales (without mirroring) and moves, straight otherwise.
void drawPlacedImage(QPainter& painter, const QImage& source, const std::optional<Color>& tint, const QRectF& target);

} // namespace ui
