#pragma once

#include "foundation/Bytes.h"

#include <sstream>
#include <string_view>

namespace testing_support {

// Bytes written as blank-separated hex pairs, as the log lines and the wire tables show them:
// hexBytes("C0 00 08 C0").
inline foundation::Bytes hexBytes(std::string_view text)
{
    foundation::Bytes bytes;
    std::istringstream stream{std::string(text)};
    unsigned value = 0;
    while (stream >> std::hex >> value)
        bytes.push_back(static_cast<uint8_t>(value));
    return bytes;
}

} // namespace testing_support
