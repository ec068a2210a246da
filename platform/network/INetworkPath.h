#pragma once

namespace network {

// The device's route to the internet as the system reports it.
class INetworkPath {
public:
    virtual ~INetworkPath() = default;
    // True while the system reports the internet reachable; safe to read from any thread.
    virtual bool isSatisfied() const = 0;
};

} // namespace network
