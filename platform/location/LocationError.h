#pragma once

#include <string>

namespace location {

// Why a requested fix did not come.
struct LocationError {
    enum class Code {
        // No position could be had (no signal, the replay ended, the service failed).
        locationUnknown,
        // The location service refused this application.
        denied,
    };
    Code code = Code::locationUnknown;
    std::string reason;
};

} // namespace location
