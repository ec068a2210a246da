#pragma once

#include "ui/Color.h"
#include "ui/Font.h"

#include <optional>

namespace ui {

// How a navigation bar looks: its background and the title's font and colour.
struct NavigationBarAppearance {
    std::optional<Color> backgroundColor;
    std::optional<Font> titleFont;
    std::optional<Color> titleColor;

    // An opaque bar in the system's default colours.
    void configureWithOpaqueBackground()
    {
        backgroundColor = Color::rgb255(249, 249, 249);
        titleFont.reset();
        titleColor.reset();
    }
};

} // namespace ui
