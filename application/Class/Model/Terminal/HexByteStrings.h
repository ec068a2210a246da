#pragma once

#include "foundation/Bytes.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

// Each byte as two upper-case hexadecimal digits.
std::vector<std::string> hexByteStrings(const foundation::Bytes& data);
std::string joined(const std::vector<std::string>& pieces, std::string_view separator);

} // namespace tolvane::app
