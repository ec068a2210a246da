#pragma once

#include <functional>
#include <source_location>
#include <string>
#include <string_view>

namespace tolvane::app {

// Flag of every tagged line; the closed logger's level mask admits it.
inline constexpr int MY_LOG_FLAG = 16;

// Tag of the application lifecycle's lines.
inline constexpr std::string_view kLifecycleTag = "生命周期";

// Writes "[<tag>] <message>" to the closed logging library and "[MyLog][<tag>] <message>" to the
// console. `function` is the caller's name as the line shows it; the C++ name when empty.
void myLog(std::string_view tag, std::string_view message, bool asynchronous = false, std::string_view function = {},
           std::source_location location = std::source_location::current());
// The same with the message made where the line is written, off a link thread when called on one.
void myLog(std::string_view tag, std::function<std::string()> message, bool asynchronous = false,
           std::string_view function = {}, std::source_location location = std::source_location::current());

} // namespace tolvane::app
