#pragma once

#include "ui/Color.h"
#include "ui/Layer.h"

#include <memory>

namespace ui {
class ShapeLayer;
}

namespace tolvane::app {

// One dot of the ring. Focusing turns it blue over 0.1 s, unfocusing back to grey over 0.5 s; a
// change of direction part way starts from where the running change got to, for the same share of
// its own length.
class RingControlPointLayer : public ui::Layer {
public:
    enum class AnimationDirection { Focusing, Unfocusing };

    static const ui::Color& unfocusedColor();
    static const ui::Color& focusedColor();

    explicit RingControlPointLayer(double defaultRadius);

    const double defaultRadius;
    const std::shared_ptr<ui::ShapeLayer>& circleLayer() const { return circleLayer_; }
    AnimationDirection animationDirection() const { return animationDirection_; }

    void focus(bool animated);
    void unfocus(bool animated);
    // How far the running change got (0 to 1); 1 when none runs.
    double animationProgress() const;

private:
    void change(AnimationDirection direction, bool animated);
    void replaceCircle(const ui::Color& color);

    std::shared_ptr<ui::ShapeLayer> circleLayer_;
    AnimationDirection animationDirection_ = AnimationDirection::Unfocusing;
};

} // namespace tolvane::app
