#pragma once

#include "accessory/Session.h"

#include <functional>
#include <string>

namespace accessory {

// A session over one connected non-blocking socket, which it takes: each stream gets a descriptor
// of its own so that each closes on its own thread. `onConnectionEnd` runs on the main loop once the
// unit hangs up or the connection fails. Null when the descriptor cannot be shared.
SessionRef makeSocketSession(AccessoryRef accessory, std::string protocolString, int fd,
                             std::function<void()> onConnectionEnd);

} // namespace accessory
