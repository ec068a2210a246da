#pragma once

#include "Class/UI/Operating/View/Animation/PulseAnimationView.h"

#include <memory>

namespace tolvane::app {

class GradientLayer;

// The waiting animation around the slider's target: three gradient circles that grow together with
// `ratio` (0 to 1), the smallest on top.
class BeforeAnimationView : public PulseAnimationView {
public:
    static constexpr double maxRadiusL = 95.5;
    static constexpr double maxRadiusM = 70.33;
    static constexpr double maxRadiusS = 50.0;

    explicit BeforeAnimationView(const ui::Rect& frame = {});
    // As an interface file makes it: clear, with its circles in its layer.
    static std::shared_ptr<BeforeAnimationView> fromInterfaceFile(const ui::Rect& frame);

    const std::shared_ptr<GradientLayer> largeCircleShapeLayer;
    const std::shared_ptr<GradientLayer> mediumCircleShapeLayer;
    const std::shared_ptr<GradientLayer> smallCircleShapeLayer;

private:
    void placeCircles() override;
};

} // namespace tolvane::app
