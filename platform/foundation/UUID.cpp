#include "foundation/UUID.h"

#include <QUuid>

#include <cstring>

namespace foundation {
namespace {

constexpr size_t kTextLength = 36;

bool isHyphenPosition(size_t index)
{
    return index == 8 || index == 13 || index == 18 || index == 23;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

UUID UUID::random()
{
    std::array<uint8_t, 16> bytes{};
    const QByteArray raw = QUuid::createUuid().toRfc4122();
    std::memcpy(bytes.data(), raw.constData(), bytes.size());
    return UUID(bytes);
}

std::optional<UUID> UUID::fromString(std::string_view text)
{
    if (text.size() != kTextLength)
        return std::nullopt;
    std::array<uint8_t, 16> bytes{};
    size_t nibble = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (isHyphenPosition(i)) {
            if (text[i] != '-')
                return std::nullopt;
            continue;
        }
        const int value = hexDigitValue(text[i]);
        if (value < 0)
            return std::nullopt;
        bytes[nibble / 2] = static_cast<uint8_t>(bytes[nibble / 2] | (nibble % 2 == 0 ? value << 4 : value));
        ++nibble;
    }
    return UUID(bytes);
}

std::string UUID::uuidString() const
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(kTextLength);
    for (size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            text += '-';
        text += digits[bytes_[i] >> 4];
        text += digits[bytes_[i] & 0x0F];
    }
    return text;
}

} // namespace foundation
