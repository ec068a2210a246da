#pragma once

#include <string_view>

namespace tolvane::app {

// Levels of the application's log lines, lowest first.
enum class LogLevel { debug, information, warning, error };

// 1 for debug up to 4 for error.
int levelNumber(LogLevel level);
// "DEBUG", "INFO", "WARN", "ERROR".
std::string_view label(LogLevel level);

} // namespace tolvane::app
