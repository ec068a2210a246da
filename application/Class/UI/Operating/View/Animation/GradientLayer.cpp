#include "Class/UI/Operating/View/Animation/GradientLayer.h"

namespace tolvane::app {

GradientLayer::GradientLayer()
    : uiColors{ui::Color{0.403921568627451, 0.4196078431372549, 0.7607843137254902, 0.2},
               ui::Color{0.25882352941176473, 0.5058823529411764, 1.0, 0.2}}
{
    setType(ui::GradientType::radial);
    setColors(uiColors);
    setLocations({0.0, 1.0});
    setStartPoint({0.5, 0.5});
    setEndPoint({1.0, 1.0});
    // The owners give it a corner radius of half its side: clipped to that it shows as a disc.
    setMasksToBounds(true);
}

} // namespace tolvane::app
