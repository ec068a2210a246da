#pragma once

#include "Class/UI/Operating/View/Animation/PulseAnimationView.h"

#include <memory>

namespace tolvane::app {

class GradientLayer;

// The holding animation around the slider's target: one gradient circle that breathes between
// `minRadius` and `maxRadius` with `ratio` (0 to 1).
class HoldingAnimationView : public PulseAnimationView {
public:
    static constexpr double minRadius = 40.0;

    explicit HoldingAnimationView(const ui::Rect& frame = {});
    // As an interface file makes it: clear, with its circle in its layer.
    static std::shared_ptr<HoldingAnimationView> fromInterfaceFile(const ui::Rect& frame);

    const std::shared_ptr<GradientLayer> circleShapeLayer;
    // An eighth of the main screen's height when the view was made.
    const double maxRadius;

private:
    void placeCircles() override;
};

} // namespace tolvane::app
