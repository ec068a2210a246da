#pragma once

#include <string>

namespace foundation {

// The system cuts thread names at 15 characters; log lines need the full one.
void setCurrentThreadName(const std::string& fullName);
const std::string& currentThreadName();

} // namespace foundation
