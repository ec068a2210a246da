#include "ui/Layer.h"

#include "ui/ShadowCache.h"

#include "foundation/RunLoop.h"
#include "ui/BasicAnimation.h"
#include "ui/View.h"

#include <algorithm>
#include <cmath>

namespace ui {

struct Layer::RunningAnimation {
    BasicAnimation animation;
    double startTime;
    unsigned serial;
    foundation::TimerRef timer;
};

namespace {

// Main thread only, as every layer.
std::uint64_t lastChangeStamp = 0;

double mainClockNow()
{
    return foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0;
}

} // namespace

Layer::Layer() : shadowCache_(std::make_unique<ShadowCache>()) {}

Layer::~Layer()
{
    for (auto& [key, running] : animations_)
        if (running->timer)
            running->timer->invalidate();
    for (auto& sublayer : sublayers_)
        sublayer->superlayer_ = nullptr;
}

Rect Layer::frame() const
{
    return view_ ? view_->frame() : frame_;
}

void Layer::setFrame(const Rect& frame)
{
    if (view_) {
        view_->setFrame(frame);
        return;
    }
    frame_ = frame;
    setNeedsDisplay();
}

Rect Layer::bounds() const
{
    if (view_)
        return view_->bounds();
    return {Point{}, frame_.size};
}

void Layer::setTransform(const AffineTransform& transform)
{
    if (view_) {
        view_->setTransform(transform);
        return;
    }
    transform_ = transform;
    setNeedsDisplay();
}

void Layer::setHidden(bool hidden)
{
    hidden_ = hidden;
    setNeedsDisplay();
}

void Layer::setOpacity(double opacity)
{
    opacity_ = opacity;
    setNeedsDisplay();
}

void Layer::setBackgroundColor(const Color& color)
{
    backgroundColor_ = color;
    setNeedsDisplay();
}

void Layer::setCornerRadius(double radius)
{
    cornerRadius_ = radius;
    setNeedsDisplay();
}

void Layer::setMasksToBounds(bool masks)
{
    masksToBounds_ = masks;
    setNeedsDisplay();
}

void Layer::setBorderColor(const Color& color)
{
    borderColor_ = color;
    setNeedsDisplay();
}

void Layer::setBorderWidth(double width)
{
    borderWidth_ = width;
    setNeedsDisplay();
}

void Layer::setShadowColor(const Color& color)
{
    shadowColor_ = color;
    setNeedsDisplay();
}

void Layer::setShadowOpacity(double opacity)
{
    shadowOpacity_ = opacity;
    setNeedsDisplay();
}

void Layer::setShadowRadius(double radius)
{
    shadowRadius_ = radius;
    setNeedsDisplay();
}

void Layer::setShadowOffset(const Size& offset)
{
    shadowOffset_ = offset;
    setNeedsDisplay();
}

void Layer::setMask(std::shared_ptr<Layer> mask)
{
    mask_ = std::move(mask);
    setNeedsDisplay();
}

void Layer::addSublayer(std::shared_ptr<Layer> layer)
{
    insertSublayer(std::move(layer), sublayers_.size());
}

void Layer::insertSublayer(std::shared_ptr<Layer> layer, size_t index)
{
    if (!layer || layer.get() == this)
        return;
    if (layer->superlayer_ == this) {
        auto it = std::find(sublayers_.begin(), sublayers_.end(), layer);
        const auto oldIndex = static_cast<size_t>(it - sublayers_.begin());
        sublayers_.erase(it);
        if (oldIndex < index)
            --index;
    } else {
        layer->removeFromSuperlayer();
    }
    index = std::min(index, sublayers_.size());
    sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(index), layer);
    layer->superlayer_ = this;
    layer->markChanged();
    requestWindowUpdate();
}

void Layer::removeFromSuperlayer()
{
    Layer* parent = superlayer_;
    if (!parent)
        return;
    auto keepAlive = shared_from_this();
    std::erase(parent->sublayers_, keepAlive);
    superlayer_ = nullptr;
    parent->requestWindowUpdate();
}

void Layer::addAnimation(const BasicAnimation& animation, const std::string& key)
{
    removeAnimation(key);
    auto running = std::make_shared<RunningAnimation>(RunningAnimation{animation, mainClockNow() + animation.beginOffset, ++animationSerial_, {}});
    const double end = animation.beginOffset + animation.activeDuration();
    if (std::isfinite(end) && foundation::RunLoop::hasMain()) {
        std::weak_ptr<Layer> weakSelf = weak_from_this();
        const unsigned serial = running->serial;
        running->timer = foundation::RunLoop::main().scheduleTimer(end, false, [weakSelf, key, serial](foundation::Timer&) {
            if (auto self = weakSelf.lock())
                self->finishAnimation(key, serial, true);
        });
    }
    animations_[key] = std::move(running);
    setNeedsDisplay();
}

void Layer::finishAnimation(const std::string& key, unsigned serial, bool finished)
{
    auto it = animations_.find(key);
    if (it == animations_.end() || it->second->serial != serial)
        return;
    auto running = it->second;
    if (running->timer)
        running->timer->invalidate();
    if (!finished || running->animation.removedOnCompletion)
        animations_.erase(it);
    setNeedsDisplay();
    if (running->animation.didStop)
        running->animation.didStop(finished);
}

void Layer::removeAnimation(const std::string& key)
{
    auto it = animations_.find(key);
    if (it != animations_.end())
        finishAnimation(key, it->second->serial, false);
}

void Layer::removeAllAnimations()
{
    while (!animations_.empty())
        removeAnimation(animations_.begin()->first);
}

std::vector<std::string> Layer::animationKeys() const
{
    std::vector<std::string> keys;
    for (const auto& [key, running] : animations_)
        keys.push_back(key);
    return keys;
}

bool Layer::isAnimating(double now) const
{
    return std::any_of(animations_.begin(), animations_.end(), [now](const auto& entry) {
        const RunningAnimation& running = *entry.second;
        return now < running.startTime + running.animation.activeDuration();
    });
}

const BasicAnimation* Layer::animation(const std::string& key) const
{
    auto it = animations_.find(key);
    return it == animations_.end() ? nullptr : &it->second->animation;
}

Rect Layer::presentationBounds(double now) const
{
    const Rect model = bounds();
    if (animations_.empty())
        return model;
    return {model.origin, {presentationValue(AnimatedProperty::boundsWidth, now), presentationValue(AnimatedProperty::boundsHeight, now)}};
}

std::optional<double> Layer::animationBeginTime(const std::string& key) const
{
    auto it = animations_.find(key);
    if (it == animations_.end())
        return std::nullopt;
    return it->second->startTime;
}

std::optional<Layer::Shown> Layer::shownAnimation(AnimatedProperty property, double now) const
{
    const RunningAnimation* latest = nullptr;
    for (const auto& [key, running] : animations_)
        if (running->animation.property() == property && (!latest || running->serial > latest->serial))
            latest = running.get();
    if (!latest)
        return std::nullopt;
    const BasicAnimation& animation = latest->animation;
    const double elapsed = now - latest->startTime;
    if (elapsed < 0)
        return animation.fillsBackwards ? std::optional<Shown>(Shown{&animation, 0, true}) : std::nullopt;
    if (elapsed >= animation.activeDuration() && !animation.fillsForwards)
        return std::nullopt;
    return Shown{&animation, applyTiming(animation.timing, animation.progress(elapsed)), false};
}

double Layer::presentationValue(AnimatedProperty property, double now) const
{
    const double model = modelValue(property);
    if (animations_.empty())
        return model;
    const auto shown = shownAnimation(property, now);
    if (!shown)
        return model;
    const double from = shown->animation->fromValue.value_or(model);
    if (shown->beforeStart)
        return from;
    const double to = shown->animation->toValue.value_or(model);
    return from + (to - from) * shown->fraction;
}

Color Layer::presentationColor(AnimatedProperty property, double now) const
{
    const Color model = modelColor(property);
    if (animations_.empty())
        return model;
    const auto shown = shownAnimation(property, now);
    if (!shown)
        return model;
    const Color from = shown->animation->fromColor.value_or(model);
    if (shown->beforeStart)
        return from;
    const Color to = shown->animation->toColor.value_or(model);
    const double f = shown->fraction;
    auto blend = [f](double a, double b) { return a + (b - a) * f; };
    return {blend(from.red, to.red), blend(from.green, to.green), blend(from.blue, to.blue), blend(from.alpha, to.alpha)};
}

void Layer::drawContent(GraphicsContext&) const {}

Color Layer::modelColor(AnimatedProperty property) const
{
    if (property == AnimatedProperty::backgroundColor)
        return backgroundColor();
    return Color::clear();
}

double Layer::modelValue(AnimatedProperty property) const
{
    const AffineTransform& t = view_ ? view_->transform() : transform_;
    switch (property) {
    case AnimatedProperty::opacity: return opacity();
    case AnimatedProperty::positionX: return view_ ? view_->center().x : frame_.midX();
    case AnimatedProperty::positionY: return view_ ? view_->center().y : frame_.midY();
    case AnimatedProperty::boundsWidth: return bounds().width();
    case AnimatedProperty::boundsHeight: return bounds().height();
    case AnimatedProperty::transformScale: return std::hypot(t.a, t.b);
    case AnimatedProperty::transformRotation: return std::atan2(t.b, t.a);
    default: return 0;
    }
}

void Layer::setNeedsDisplay()
{
    ++displayRequests_;
    requestWindowUpdate();
}

void Layer::markChanged()
{
    const std::uint64_t stamp = ++lastChangeStamp;
    for (Layer* layer = this; layer; layer = layer->superlayer_)
        layer->changeStamp_ = stamp;
}

void Layer::requestWindowUpdate()
{
    markChanged();
    for (const Layer* layer = this; layer; layer = layer->superlayer_)
        if (layer->view_) {
            layer->view_->requestWindowUpdate();
            return;
        }
}

} // namespace ui
