#include "Class/UI/Operating/View/Animation/PulseAnimationView.h"

namespace tolvane::app {

void PulseAnimationView::setRatio(double ratio)
{
    ratio_ = ratio;
    placeCircles();
    setNeedsDisplay();
}

void PulseAnimationView::layoutSubviews()
{
    placeCircles();
}

} // namespace tolvane::app
