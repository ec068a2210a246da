#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace foundation {

// A universally unique identifier, written as 36 upper-case hexadecimal characters with hyphens.
class UUID {
public:
    // A new random (version 4) identifier.
    static UUID random();
    // Reads the 36-character form in either case; none for anything else.
    static std::optional<UUID> fromString(std::string_view text);

    std::string uuidString() const;

    bool operator==(const UUID&) const = default;

private:
    explicit UUID(const std::array<uint8_t, 16>& bytes) : bytes_(bytes) {}

    std::array<uint8_t, 16> bytes_;
};

} // namespace foundation
