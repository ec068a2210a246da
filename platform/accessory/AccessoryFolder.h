#pragma once

#include <optional>
#include <string>

namespace accessory {

// The folder of the local-socket units and the peers found in it. Whoever can put a socket there
// can pose as the car, so the folder must be this user's own and writable by nobody else, and so
// must be the program at the other end of each connection.
class AccessoryFolder {
public:
    // Makes the folder (0700) when it is missing. The reason it cannot be used, if it cannot.
    static std::optional<std::string> prepare(const std::string& path);
    // The reason the peer of a connected socket is refused, if it is: it runs as another user.
    static std::optional<std::string> refusePeer(int connectedFd, const std::string& socketPath);
};

} // namespace accessory
