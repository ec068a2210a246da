#include "foundation/LogText.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace foundation {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

struct DecodedCharacter {
    char32_t value;
    size_t length;
};

// The well-formed UTF-8 character at the start of `text`, if there is one.
std::optional<DecodedCharacter> decodeCharacter(std::string_view text)
{
    const auto byte = [&](size_t at) { return static_cast<uint8_t>(text[at]); };
    const uint8_t lead = byte(0);
    size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80)
        return DecodedCharacter{lead, 1};
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length)
        return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return DecodedCharacter{value, length};
}

// Controls, line and paragraph separators, and the marks, embeddings, overrides and isolates that
// change the direction of what follows.
bool needsEscape(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void appendByteEscape(std::string& out, uint8_t byte)
{
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

void appendCharacterEscape(std::string& out, char32_t c)
{
    switch (c) {
    case '\t': out += "\\t"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    default: break;
    }
    if (c < 0x80) {
        appendByteEscape(out, static_cast<uint8_t>(c));
        return;
    }
    out += "\\u{";
    std::string digits;
    for (char32_t rest = c; rest != 0; rest >>= 4)
        digits.insert(digits.begin(), kHexDigits[rest & 0x0F]);
    out.append(4 - std::min<size_t>(4, digits.size()), '0');
    out += digits;
    out += '}';
}

} // namespace

void appendEscapedLogText(std::string& out, std::string_view text)
{
    out.reserve(out.size() + text.size());
    while (!text.empty()) {
        const auto character = decodeCharacter(text);
        if (!character) {
            appendByteEscape(out, static_cast<uint8_t>(text.front()));
            text.remove_prefix(1);
            continue;
        }
        if (needsEscape(character->value))
            appendCharacterEscape(out, character->value);
        else
            out.append(text.substr(0, character->length));
        text.remove_prefix(character->length);
    }
}

std::string escapedLogText(std::string_view text)
{
    std::string out;
    appendEscapedLogText(out, text);
    return out;
}

} // namespace foundation
