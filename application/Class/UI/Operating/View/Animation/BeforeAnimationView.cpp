#include "Class/UI/Operating/View/Animation/BeforeAnimationView.h"

#include "Class/UI/Operating/View/Animation/CircleFrame.h"
#include "Class/UI/Operating/View/Animation/GradientLayer.h"

#include <cmath>
#include <numbers>

namespace tolvane::app {

BeforeAnimationView::BeforeAnimationView(const ui::Rect& frame)
    : PulseAnimationView(frame), largeCircleShapeLayer(std::make_shared<GradientLayer>()), mediumCircleShapeLayer(std::make_shared<GradientLayer>()),
      smallCircleShapeLayer(std::make_shared<GradientLayer>())
{
}

std::shared_ptr<BeforeAnimationView> BeforeAnimationView::fromInterfaceFile(const ui::Rect& frame)
{
    auto view = std::make_shared<BeforeAnimationView>(frame);
    view->setBackgroundColor(ui::Color::clear());
    view->layer().insertSublayer(view->largeCircleShapeLayer, 0);
    view->layer().insertSublayer(view->mediumCircleShapeLayer, 1);
    view->layer().insertSublayer(view->smallCircleShapeLayer, 2);
    return view;
}

void BeforeAnimationView::placeCircles()
{
    // Eased twice, so the circles start slowly, rush, and settle at their full size.
    constexpr double halfPi = std::numbers::pi / 2;
    const double inner = std::sin(halfPi * ratio());
    const double outer = std::sin(halfPi * inner * inner);
    const double easing = outer * outer;
    placeCircle(*largeCircleShapeLayer, bounds(), maxRadiusL * easing);
    placeCircle(*mediumCircleShapeLayer, bounds(), maxRadiusM * easing);
    placeCircle(*smallCircleShapeLayer, bounds(), maxRadiusS * easing);
}

} // namespace tolvane::app
