#include "ui/DamageTracker.h"

#include "ui/Layer.h"
#include "ui/LayerRenderer.h"
#include "ui/View.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace ui {
namespace {

// Antialiased edges reach a little past the rectangle they outline.
constexpr double edgeMargin = 2;

void combine(size_t& seed, size_t value)
{
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

void combine(size_t& seed, double value) { combine(seed, std::hash<double>{}(value)); }

void combine(size_t& seed, const Color& color)
{
    for (double channel : {color.red, color.green, color.blue, color.alpha})
        combine(seed, channel);
}

size_t styleHash(const Layer& layer)
{
    size_t seed = 0;
    combine(seed, layer.backgroundColor());
    combine(seed, layer.cornerRadius());
    combine(seed, static_cast<size_t>(layer.masksToBounds()));
    combine(seed, layer.borderColor());
    combine(seed, layer.borderWidth());
    combine(seed, layer.shadowColor());
    combine(seed, layer.shadowOpacity());
    combine(seed, layer.shadowRadius());
    combine(seed, layer.shadowOffset().width);
    combine(seed, layer.shadowOffset().height);
    return seed;
}

bool sameLayer(const std::weak_ptr<const Layer>& a, const std::weak_ptr<const Layer>& b)
{
    return !a.expired() && !a.owner_before(b) && !b.owner_before(a);
}

// Whether the sublayers kept from one frame to the next are drawn in another order.
bool reordered(const std::vector<const Layer*>& before, const std::vector<const Layer*>& after)
{
    // The common case on every frame, answered without copying.
    if (before == after)
        return false;
    const auto kept = [](const std::vector<const Layer*>& from, const std::vector<const Layer*>& in) {
        std::vector<const Layer*> result;
        std::copy_if(from.begin(), from.end(), std::back_inserter(result),
                     [&in](const Layer* layer) { return std::find(in.begin(), in.end(), layer) != in.end(); });
        return result;
    };
    return kept(before, after) != kept(after, before);
}

} // namespace

DamageTracker::Frame DamageTracker::advance(const Layer& root, double now)
{
    ++frame_;
    damage_ = QRegion();
    nextChange_.reset();
    changedShadows_.clear();
    shadowAreasBefore_.clear();
    towardsLive_.clear();
    for (const auto& weak : live_)
        if (const auto layer = weak.lock())
            for (const Layer* above = layer.get(); above && towardsLive_.insert(above).second; above = above->superlayer())
                continue;
    live_.clear();
    visit(root, QTransform(), nullptr, LayerRenderer(now));
    for (const Layer* owner : changedShadows_) {
        if (const auto before = shadowAreasBefore_.find(owner); before != shadowAreasBefore_.end())
            add(before->second);
        if (const auto record = records_.find(owner); record != records_.end())
            add(record->second.area);
    }
    time_ = now;
    return {damage_, nextChange_};
}

QRectF DamageTracker::visit(const Layer& layer, const QTransform& toRoot, const Layer* shadowOwner, const LayerRenderer& renderer)
{
    const auto found = records_.find(&layer);
    Record* last = found != records_.end() && sameLayer(found->second.layer, layer.weak_from_this()) ? &found->second : nullptr;
    if (last && last->stamp == layer.changeStamp() && last->look.toRoot == toRoot && last->shadowOwner == shadowOwner &&
        !towardsLive_.contains(&layer))
        return last->extent;
    if (last)
        last->frame = frame_;

    Record record;
    record.layer = layer.weak_from_this();
    record.shadowOwner = shadowOwner;
    record.stamp = layer.changeStamp();
    record.frame = frame_;
    Look& look = record.look;
    look.opacity = layer.presentationValue(AnimatedProperty::opacity, renderer.time());
    look.hidden = layer.isHidden() || look.opacity <= 0;
    look.toRoot = toRoot;
    look.bounds = LayerRenderer::qtRect(layer.presentationBounds(renderer.time()));
    const View* view = layer.view();
    look.displayRequests = layer.displayRequests() + (view ? view->displayRequests() : 0);
    look.mask = layer.mask().get();
    look.styleHash = styleHash(layer);

    QRectF extent;
    bool contentChanged = false;
    if (!look.hidden) {
        if (layer.isAnimating(renderer.time())) {
            record.animating = true;
            record.live = true;
            nextChange_ = renderer.time();
        }
        if (view) {
            const auto content = view->nextContentChange(time_);
            contentChanged = frame_ > 1 && content && *content <= renderer.time();
            if (const auto next = view->nextContentChange(renderer.time())) {
                record.live = true;
                nextChange_ = std::min(nextChange_.value_or(*next), *next);
            }
        }
        const bool shadow = LayerRenderer::hasShadow(layer);
        const Layer* ownerBelow = shadowOwner ? shadowOwner : (shadow ? &layer : nullptr);
        if (ownerBelow == &layer && last)
            shadowAreasBefore_[&layer] = last->area;
        extent = look.bounds;
        for (const auto& sublayer : layer.sublayers()) {
            const QTransform geometry = renderer.geometry(*sublayer);
            const QRectF drawn = visit(*sublayer, geometry * toRoot, ownerBelow, renderer);
            if (!layer.masksToBounds() && !drawn.isEmpty())
                extent = extent.united(geometry.mapRect(drawn));
            record.sublayers.push_back(sublayer.get());
        }
        extent = LayerRenderer::withShadow(layer, extent);
        record.area = toRoot.mapRect(extent).adjusted(-edgeMargin, -edgeMargin, edgeMargin, edgeMargin);
    }
    record.extent = extent;

    if (last)
        for (const Layer* sublayer : last->sublayers)
            if (std::find(record.sublayers.begin(), record.sublayers.end(), sublayer) == record.sublayers.end()) {
                // Gone from here (or hidden with this layer): what it drew goes, unless it was already
                // looked at where it went.
                if (const auto gone = records_.find(sublayer); gone != records_.end() && gone->second.frame != frame_)
                    damage(gone->second, gone->second.area);
                forget(sublayer);
            }
    if (!last || record.animating || contentChanged || last->animating || !(record.look == last->look) ||
        reordered(last->sublayers, record.sublayers)) {
        if (last)
            damage(*last, last->area);
        damage(record, record.area);
    }
    if (record.live)
        live_.push_back(layer.weak_from_this());
    records_.insert_or_assign(&layer, std::move(record));
    return extent;
}

void DamageTracker::add(const QRectF& area)
{
    if (!area.isEmpty())
        damage_ += area.toAlignedRect();
}

void DamageTracker::damage(const Record& record, const QRectF& area)
{
    if (record.shadowOwner)
        changedShadows_.insert(record.shadowOwner);
    else
        add(area);
}

void DamageTracker::forget(const Layer* layer)
{
    const auto found = records_.find(layer);
    if (found == records_.end() || found->second.frame == frame_)
        return;
    const std::vector<const Layer*> below = std::move(found->second.sublayers);
    records_.erase(found);
    for (const Layer* sublayer : below)
        forget(sublayer);
}

} // namespace ui
