#pragma once

namespace ui {

// Where the application stands; the raw numbers appear in log lines.
enum class ApplicationState : int { active = 0, inactive = 1, background = 2 };

} // namespace ui
