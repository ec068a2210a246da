#pragma once

#include "ui/Color.h"

namespace tolvane::app {

// The application's shared accent colour of buttons and controls.
class ColorCode {
public:
    ColorCode() = delete;
    static const ui::Color& buttonTintColor();
};

} // namespace tolvane::app
