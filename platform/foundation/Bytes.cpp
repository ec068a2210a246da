#include "foundation/Bytes.h"

namespace foundation {

std::string hexString(std::span<const uint8_t> bytes, std::string_view separator)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * (2 + separator.size()));
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            text += separator;
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 0x0F];
    }
    return text;
}

std::string hexStringCut(std::span<const uint8_t> bytes, std::string_view separator, size_t limit)
{
    if (bytes.size() <= limit)
        return hexString(bytes, separator);
    return hexString(bytes.first(limit), separator) + std::string(separator) + "... (" + std::to_string(bytes.size()) +
           " bytes)";
}

} // namespace foundation
