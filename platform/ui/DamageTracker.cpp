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
    current_.clear();
    nextChange_.reset();
    const LayerRenderer renderer(now);
    visit(root, QTransform(), nullptr, renderer);

    QRegion damage;
    const auto add = [&damage](const QRectF& area) {
        if (!area.isEmpty())
            damage += area.toAlignedRect();
    };
    for (const auto& [layer, record] : current_) {
        const auto old = first_ ? last_.end() : last_.find(layer);
        if (old == last_.end() || !sameLayer(old->second.layer, record.layer)) {
            add(damageArea(current_, record));
            if (old != last_.end())
                add(damageArea(last_, old->second));
            continue;
        }
        if (record.animating || record.contentChanged || old->second.animating || !(record.look == old->second.look) ||
            reordered(old->second.sublayers, record.sublayers)) {
            add(damageArea(current_, record));
            add(damageArea(last_, old->second));
        }
    }
    for (const auto& [layer, record] : last_)
        if (!current_.contains(layer))
            add(damageArea(last_, record));

    last_.swap(current_);
    time_ = now;
    first_ = false;
    return {damage, nextChange_};
}

QRectF DamageTracker::visit(const Layer& layer, const QTransform& toRoot, const Layer* shadowOwner, const LayerRenderer& renderer)
{
    Record record;
    record.layer = layer.weak_from_this();
    record.shadowOwner = shadowOwner;
    Look& look = record.look;
    look.opacity = layer.presentationValue("opacity", renderer.time());
    look.hidden = layer.isHidden() || look.opacity <= 0;
    look.toRoot = toRoot;
    const QRectF bounds = LayerRenderer::qtRect(layer.presentationBounds(renderer.time()));
    look.bounds = bounds;
    const View* view = layer.view();
    look.displayRequests = layer.displayRequests() + (view ? view->displayRequests() : 0);
    look.mask = layer.mask().get();
    look.styleHash = styleHash(layer);

    QRectF extent;
    if (!look.hidden) {
        if (layer.isAnimating(renderer.time())) {
            record.animating = true;
            nextChange_ = renderer.time();
        }
        if (view) {
            const auto content = view->nextContentChange(time_);
            record.contentChanged = !first_ && content && *content <= renderer.time();
            if (const auto next = view->nextContentChange(renderer.time()))
                nextChange_ = std::min(nextChange_.value_or(*next), *next);
        }
        const bool shadow = LayerRenderer::hasShadow(layer);
        const Layer* ownerBelow = shadowOwner ? shadowOwner : (shadow ? &layer : nullptr);
        extent = bounds;
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
    current_.insert_or_assign(&layer, std::move(record));
    return extent;
}

QRectF DamageTracker::damageArea(const Records& records, const Record& record) const
{
    if (record.shadowOwner)
        if (auto owner = records.find(record.shadowOwner); owner != records.end())
            return owner->second.area;
    return record.area;
}

} // namespace ui
