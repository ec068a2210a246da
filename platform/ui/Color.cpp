#include "ui/Color.h"

namespace ui {
namespace {

double component(int value)
{
    if (value < 0)
        return 0.0;
    if (value > 255)
        return 1.0;
    return value / 255.0;
}

} // namespace

Color Color::rgb255(int red, int green, int blue, double alpha)
{
    return {component(red), component(green), component(blue), alpha};
}

} // namespace ui
