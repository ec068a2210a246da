#pragma once

#include <string>

namespace tolvane::app {

// "<system version>/<machine>", a field of every log line; empty until the launch fills it in.
std::string deviceDescription();
void setDeviceDescription(std::string description);

} // namespace tolvane::app
