#pragma once

#include "foundation/Bytes.h"

#include <optional>
#include <string>

namespace network {

// How a request ended: the body whenever a server answered (whatever its status), and otherwise
// the reason there is none.
struct URLResult {
    std::optional<foundation::Bytes> data;
    int statusCode = 0;
    std::string error;
};

} // namespace network
