#pragma once

#include "ui/Rect.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QTransform>

#include <string>

namespace ui {

class Layer;
class View;

// Draws layer trees with QPainter: background, corners and clipping, the view's own drawing,
// sublayers, border, and, through an off-screen buffer, shadows, masks and group opacity. A shadowed
// layer's buffer and shadow are kept in the layer while nothing in it changes. Animated
// values are taken at the given time on the main loop's clock.
class LayerRenderer {
public:
    explicit LayerRenderer(double time);
    // At the main loop's current time (0 without a main loop).
    LayerRenderer();

    // Draws `layer` placed in its superlayer's coordinates.
    void render(const Layer& layer, QPainter& painter) const;
    // Draws `layer`'s content and sublayers in its own bounds' coordinates.
    void renderContents(const Layer& layer, QPainter& painter) const;

    // The view's bounds drawn into an image of `scale` pixels per point, without a display.
    QImage renderView(const View& view, double scale) const;
    bool writePng(const View& view, const std::string& path, double scale) const;

    double time() const { return time_; }
    // Where `layer` sits in its superlayer's coordinates at this time.
    QTransform geometry(const Layer& layer) const;
    static QRectF qtRect(const Rect& rect);
    static bool hasShadow(const Layer& layer);
    // `extent` in the layer's coordinates, grown by the shadow the layer casts around it, if any.
    static QRectF withShadow(const Layer& layer, const QRectF& extent);

private:
    QRectF contentExtent(const Layer& layer) const;
    void renderGroup(const Layer& layer, QPainter& painter, double opacity) const;
    QImage renderOffscreen(const Layer& layer, QPainter::RenderHints hints, const QRectF& extent, double scale) const;

    double time_;
    // Something drawn since it was last cleared animates or changes by itself.
    mutable bool live_ = false;
};

} // namespace ui
