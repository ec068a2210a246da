#include "Class/UI/Base/View/ColorCode.h"

namespace tolvane::app {

const ui::Color& ColorCode::buttonTintColor()
{
    static const ui::Color color = ui::Color::rgb255(66, 129, 255);
    return color;
}

} // namespace tolvane::app
