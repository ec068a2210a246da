#pragma once

#include "foundation/Bytes.h"

#include <optional>
#include <vector>

namespace uitest {

// A GIF of 1x1 frames; each frame has a graphic control block with the given delay (hundredths of a
// second) or none.
inline foundation::Bytes gifWithDelays(const std::vector<std::optional<int>>& delays)
{
    foundation::Bytes bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255, 255};
    for (const auto& delay : delays) {
        if (delay)
            bytes.insert(bytes.end(), {0x21, 0xF9, 4, 0, static_cast<uint8_t>(*delay & 0xFF), static_cast<uint8_t>(*delay >> 8), 0, 0});
        bytes.insert(bytes.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0});
    }
    bytes.push_back(0x3B);
    return bytes;
}

} // namespace uitest
