#pragma once

#include <QRegion>
#include <QRectF>
#include <QTransform>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace ui {

class Layer;
class LayerRenderer;

// Remembers where each layer of a tree was drawn and how it looked, so that a new frame repaints
// only what appeared, went away, moved or changed since the last one, and tells when the tree will
// next look different by itself (an animation or animated content), if ever.
class DamageTracker {
public:
    struct Frame {
        // In the root layer's coordinates, rounded out to whole points.
        QRegion damage;
        // When something next changes by itself; none while the tree stands still.
        std::optional<double> nextChange;
    };

    // Compares the tree at `now` with the last frame; the first frame damages everything.
    Frame advance(const Layer& root, double now);
    // The time of the last frame.
    double time() const { return time_; }

private:
    // What decides a layer's pixels, apart from its sublayers and its view's own drawing (which
    // counts its display requests).
    struct Look {
        bool hidden = false;
        double opacity = 1;
        QTransform toRoot;
        QRectF bounds;
        unsigned displayRequests = 0;
        const Layer* mask = nullptr;
        size_t styleHash = 0;
        friend bool operator==(const Look&, const Look&) = default;
    };
    struct Record {
        std::weak_ptr<const Layer> layer;
        Look look;
        // Where the layer and its sublayers draw, shadow included, in the root's coordinates.
        QRectF area;
        // An animation changes it: repainted on every frame, and once more after the animation.
        bool animating = false;
        // Its content (an animated image, a spinner) looks different since the last frame.
        bool contentChanged = false;
        // The outermost shadowed layer around it: a change anywhere inside changes that shadow.
        const Layer* shadowOwner = nullptr;
        // In drawing order: sublayers that change places show differently where they overlap.
        std::vector<const Layer*> sublayers;
    };
    using Records = std::unordered_map<const Layer*, Record>;

    QRectF visit(const Layer& layer, const QTransform& toRoot, const Layer* shadowOwner, const LayerRenderer& renderer);
    QRectF damageArea(const Records& records, const Record& record) const;

    Records last_;
    Records current_;
    std::optional<double> nextChange_;
    double time_ = 0;
    bool first_ = true;
};

} // namespace ui
