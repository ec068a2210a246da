#include "Class/UI/Operating/View/Ring/RingControlPointLayer.h"

#include "Class/UI/Operating/View/Ring/CircleLayer.h"

#include "foundation/RunLoop.h"
#include "ui/BasicAnimation.h"
#include "ui/ShapeLayer.h"

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr const char* focusKey = "focus";
constexpr const char* unfocusKey = "unfocus";
constexpr double focusDuration = 0.1;
constexpr double unfocusDuration = 0.5;

double mediaTime()
{
    return foundation::RunLoop::main().clock().now();
}

} // namespace

const ui::Color& RingControlPointLayer::unfocusedColor()
{
    static const ui::Color color{0.8666666666666667, 0.8666666666666667, 0.8666666666666667, 1.0};
    return color;
}

const ui::Color& RingControlPointLayer::focusedColor()
{
    static const ui::Color color{0.4627450980392157, 0.5490196078431373, 0.8549019607843137, 1.0};
    return color;
}

RingControlPointLayer::RingControlPointLayer(double defaultRadius)
    : defaultRadius(defaultRadius), circleLayer_(makeCircleLayer(unfocusedColor(), {0, 0}, defaultRadius))
{
    addSublayer(circleLayer_);
}

void RingControlPointLayer::focus(bool animated)
{
    change(AnimationDirection::Focusing, animated);
}

void RingControlPointLayer::unfocus(bool animated)
{
    change(AnimationDirection::Unfocusing, animated);
}

void RingControlPointLayer::change(AnimationDirection direction, bool animated)
{
    if (animationDirection_ == direction)
        return;
    const bool focusing = direction == AnimationDirection::Focusing;
    const ui::Color& target = focusing ? focusedColor() : unfocusedColor();
    if (!animated) {
        animationDirection_ = direction;
        replaceCircle(target);
        return;
    }
    // Read while the old direction still names the running change.
    const double progress = animationProgress();
    replaceCircle(focusing ? unfocusedColor() : focusedColor());
    animationDirection_ = direction;
    ui::BasicAnimation animation("fillColor");
    animation.toColor = target;
    animation.duration = (focusing ? focusDuration : unfocusDuration) * progress;
    animation.removedOnCompletion = false;
    animation.fillsForwards = true;
    animation.timing = focusing ? ui::TimingFunction::easeOut : ui::TimingFunction::easeIn;
    circleLayer_->addAnimation(animation, focusing ? focusKey : unfocusKey);
}

double RingControlPointLayer::animationProgress() const
{
    const char* key = animationDirection_ == AnimationDirection::Unfocusing ? unfocusKey : focusKey;
    const ui::BasicAnimation* running = circleLayer_->animation(key);
    const auto begin = circleLayer_->animationBeginTime(key);
    if (!running || !begin)
        return 1.0;
    if (running->duration <= 0)
        return 1.0;
    return std::clamp((mediaTime() - *begin) / running->duration, 0.0, 1.0);
}

void RingControlPointLayer::replaceCircle(const ui::Color& color)
{
    if (circleLayer_)
        circleLayer_->removeFromSuperlayer();
    circleLayer_ = makeCircleLayer(color, {0, 0}, defaultRadius);
    addSublayer(circleLayer_);
}

} // namespace tolvane::app
