#include "Class/UI/Operating/View/Animation/HoldingAnimationView.h"

#include "Class/UI/Operating/View/Animation/CircleFrame.h"
#include "Class/UI/Operating/View/Animation/GradientLayer.h"

#include "ui/ScreenMetrics.h"

#include <cmath>
#include <numbers>

namespace tolvane::app {

HoldingAnimationView::HoldingAnimationView(const ui::Rect& frame)
    : PulseAnimationView(frame), circleShapeLayer(std::make_shared<GradientLayer>()),
      maxRadius(ui::ScreenMetrics::shared().mainBounds().height() * 0.125)
{
}

std::shared_ptr<HoldingAnimationView> HoldingAnimationView::fromInterfaceFile(const ui::Rect& frame)
{
    auto view = std::make_shared<HoldingAnimationView>(frame);
    view->setBackgroundColor(ui::Color::clear());
    view->layer().insertSublayer(view->circleShapeLayer, 0);
    return view;
}

void HoldingAnimationView::placeCircles()
{
    const double radius = (maxRadius + minRadius) * 0.5 - std::cos(std::numbers::pi * ratio()) * (maxRadius - minRadius) * 0.5;
    tolvane::app::placeCircle(*circleShapeLayer, bounds(), radius);
}

} // namespace tolvane::app
