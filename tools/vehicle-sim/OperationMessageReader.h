#pragma once

#include "Internal/Model/SmpOperation.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace vehiclesim {

// The vehicle's reading of the phone's operation message: the fields as they travel (coordinates
// folded into 1-1023, 0 for none) with the counter unscrambled, and whether the checksum held.
struct ReadOperation {
    tolvane::SmpOperation operation;
    uint8_t counter = 0;
    bool checksumValid = false;
};

class OperationMessageReader {
public:
    // One 11-byte message without its framing; none when it is no operation message or a field
    // holds a value the phone never sends.
    static std::optional<ReadOperation> read(std::span<const uint8_t> message);
    // "act=on btn=longpress x=12 y=40 sel=1 disp=0x40 cnt=17 sum=ok"
    static std::string describe(const ReadOperation& read);
};

} // namespace vehiclesim
