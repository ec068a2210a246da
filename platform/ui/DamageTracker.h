#pragma once

#include <QRegion>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace ui {

class Layer;
class LayerRenderer;

// Remembers where each layer of a tree was drawn and how it looked, so that a new frame repaints
// only what appeared, went away, moved or changed since the last one, and tells when the tree will
// next look different by itself (an animation or animated content), if ever. A frame looks only into
// the branches whose layers changed (each layer stamps itself and those above it) or that hold
// something animated; the rest of the tree is not walked.
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
        // The same in the layer's own coordinates, as its superlayer unites it.
        QRectF extent;
        // The layer's change stamp when it was last looked at.
        std::uint64_t stamp = 0;
        // The frame it was last looked at.
        std::uint64_t frame = 0;
        // An animation changes it: repainted on every frame, and once more after the animation.
        bool animating = false;
        // It shows animated content, or animates: looked at on every frame.
        bool live = false;
        // The outermost shadowed layer around it: a change anywhere inside changes that shadow.
        const Layer* shadowOwner = nullptr;
        // In drawing order: sublayers that change places show differently where they overlap.
        std::vector<const Layer*> sublayers;
    };

    QRectF visit(const Layer& layer, const QTransform& toRoot, const Layer* shadowOwner, const LayerRenderer& renderer);
    void add(const QRectF& area);
    // Where a change of `record` shows: `area`, or all of its shadow owner's before and after.
    void damage(const Record& record, const QRectF& area);
    // Drops what is known of `layer` and the layers below it, unless looked at in this frame.
    void forget(const Layer* layer);

    std::unordered_map<const Layer*, Record> records_;
    // Layers that were live at the last frame and those above them: looked at on the next.
    std::vector<std::weak_ptr<const Layer>> live_;
    std::unordered_set<const Layer*> towardsLive_;
    // Shadow owners with a change inside, and their areas before this frame.
    std::unordered_set<const Layer*> changedShadows_;
    std::unordered_map<const Layer*, QRectF> shadowAreasBefore_;
    QRegion damage_;
    std::optional<double> nextChange_;
    std::uint64_t frame_ = 0;
    double time_ = 0;
};

} // namespace ui
