#include "accessory/RfcommMapping.h"

#include <QBluetoothAddress>
#include <QUuid>

#include <cctype>

namespace accessory {

std::string RfcommMapping::serviceUuid(const std::string& protocolString)
{
    static const QUuid dnsNamespace("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}");
    return QUuid::createUuidV5(dnsNamespace, QByteArray::fromStdString(protocolString)).toString().toStdString();
}

std::optional<std::array<uint8_t, 6>> RfcommMapping::kernelAddress(const std::string& text)
{
    // QBluetoothAddress also takes other spellings; only the canonical one is an address here.
    if (text.size() != 17)
        return std::nullopt;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool separator = i % 3 == 2;
        if (separator ? c != ':' : !std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    }
    const quint64 value = QBluetoothAddress(QString::fromStdString(text)).toUInt64();
    std::array<uint8_t, 6> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    return bytes;
}

} // namespace accessory
