#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace accessory {

// How a paired Bluetooth unit maps onto an accessory: its address text is the serial number, and the
// protocol string names its RFCOMM service through a name-based UUID.
struct RfcommMapping {
    // The service UUID for a protocol string, "{xxxxxxxx-...}" in lower case: version 5 in the DNS
    // namespace, since protocol strings are reverse-domain names.
    static std::string serviceUuid(const std::string& protocolString);

    // The six bytes of "AA:BB:CC:DD:EE:FF" in the order the kernel's socket address holds them
    // (least significant first); none for any other text.
    static std::optional<std::array<uint8_t, 6>> kernelAddress(const std::string& text);
};

} // namespace accessory
