#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

using Bytes = std::vector<uint8_t>;

// Two upper-case hex digits per byte, joined by `separator`.
std::string hexString(const Bytes& bytes, std::string_view separator = "");

} // namespace foundation
