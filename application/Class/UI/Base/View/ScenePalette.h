#pragma once

#include "ui/Color.h"

#include <memory>
#include <string>

namespace ui {
class Button;
class Label;
} // namespace ui

namespace tolvane::app {

// The named colours of the application's artwork, and the few control looks screens share, so a
// screen built in code sits well beside its neighbours.
class ScenePalette {
public:
    static ui::Color background();   // "TolvaneBg"
    static ui::Color dark();         // "TolvaneSecondBg": text and dark grounds
    static ui::Color accent();       // the element to act on
    static ui::Color muted();        // secondary text, inactive parts
    static ui::Color white();

    // The screen's main action: a wide accent pill with a white title; dimmed while disabled.
    static std::shared_ptr<ui::Button> primaryButton();
    static std::shared_ptr<ui::Label> label(double pointSize, bool bold, const ui::Color& color);
    // A screen's own title on the dark navigation bar, in up to two lines.
    static std::shared_ptr<ui::Label> navigationTitle(const std::string& text);
};

} // namespace tolvane::app
