#pragma once

#include "location/Location.h"
#include "location/LocationError.h"

#include <functional>
#include <variant>
#include <vector>

namespace location {

// Where fixes come from: the machine's location service, a replayed log or a test's script.
class IPositionSource {
public:
    // The fixes of one answer (oldest first, possibly none), or why there are none.
    using Answer = std::variant<std::vector<Location>, LocationError>;
    using Completion = std::function<void(const Answer&)>;

    virtual ~IPositionSource() = default;

    // False when the source cannot start at all: location services are off.
    virtual bool isAvailable() const = 0;
    // Asks for one fix. The completion runs at most once, on the main loop and never before this
    // returns; a source that does not answer leaves the waiting to the caller's own time-out.
    virtual void requestUpdate(Completion completion) = 0;
};

} // namespace location
