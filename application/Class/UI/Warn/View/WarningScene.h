#pragma once

#include "ui/Rect.h"

#include <memory>
#include <string>
#include <vector>

namespace ui {
class Button;
class ImageView;
class Label;
class View;
} // namespace ui

namespace tolvane::app {

// The layout the end screen and the ignition-on warning share, on the 428 x 926 design screen: the
// warning symbol, a headline and a message under it, a spinner while a stop is processed, and the
// end button along the bottom. A screen without texts shows none of it.
struct WarningScene {
    std::shared_ptr<ui::View> root;
    std::shared_ptr<ui::ImageView> symbol;
    std::shared_ptr<ui::Label> headline;
    // Labels in the message's place; the screen shows one of them at a time.
    std::vector<std::shared_ptr<ui::Label>> messages;
    // Null on a screen without one.
    std::shared_ptr<ui::View> spinner;
    std::shared_ptr<ui::Button> endButton;

    // The views with their fonts and colours, all but the root hidden; `messageCount` message labels.
    static WarningScene make(size_t messageCount, bool withSpinner, const std::string& endTitle);

    void layout(const ui::Rect& bounds) const;
};

} // namespace tolvane::app
