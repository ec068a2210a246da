#pragma once

#include "ui/Color.h"

namespace tolvane::app {

// The tutorials' colours, from the artwork palette.
class TutorialPalette {
public:
    TutorialPalette() = delete;

    // Light ground of every page.
    static ui::Color background();
    // Headings and body text.
    static ui::Color text();
    // The element to act on, and headers.
    static ui::Color accent();
    // Supplements, descriptions and separators.
    static ui::Color muted();
};

} // namespace tolvane::app
