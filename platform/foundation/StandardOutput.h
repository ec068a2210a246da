#pragma once

#include <string_view>

namespace foundation {

// Writes the text to the standard output at once (console echoes of log lines).
void writeToStandardOutput(std::string_view text);

} // namespace foundation
