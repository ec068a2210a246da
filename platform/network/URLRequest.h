#pragma once

#include "foundation/Clock.h"

#include <string>

namespace network {

// One GET of an address.
struct URLRequest {
    std::string url;
    // Seconds without any progress after which the request gives up.
    foundation::Seconds timeoutInterval = 60.0;
};

} // namespace network
