#pragma once

#include <memory>
#include <string>

namespace ui {
class Label;
}

namespace tolvane::app {

// The title view of the navigation bar: the text in the bar's title font, white, since a title
// view does not take the bar's title attributes and dark text would all but vanish on the dark bar.
std::shared_ptr<ui::Label> makeNavigationTitleLabel(const std::string& text);

} // namespace tolvane::app
