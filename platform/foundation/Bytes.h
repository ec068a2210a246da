#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {

using Bytes = std::vector<uint8_t>;

// Two upper-case hex digits per byte, joined by `separator`.
std::string hexString(std::span<const uint8_t> bytes, std::string_view separator = "");
// The same for at most `limit` bytes; a longer run ends with its length ("... (3000 bytes)").
std::string hexStringCut(std::span<const uint8_t> bytes, std::string_view separator, size_t limit);

// The two bytes of `value`, high byte first.
constexpr std::array<uint8_t, 2> bigEndianArray(uint16_t value)
{
    return {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value & 0xFF)};
}

} // namespace foundation
