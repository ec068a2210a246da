#pragma once

#include "ui/Color.h"
#include "ui/Font.h"

namespace tolvane::app {

// The look shared by the rows of the settings menu and the screens behind it.
struct MenuStyle {
    static ui::Color background() { return ui::Color::rgb255(245, 245, 245); }
    static ui::Color text() { return ui::Color::rgb255(0x1E, 0x2A, 0x3A); }
    static ui::Color secondaryText() { return ui::Color::rgb255(0x8A, 0x94, 0xA6); }
    static ui::Font rowFont() { return ui::Font::systemFont(16); }
    // Space between a row's edge and its content.
    static constexpr double margin = 16;
    static constexpr double iconSize = 24;
};

} // namespace tolvane::app
