#include "accessory/AccessoryProtocol.h"

#include <cstdlib>

namespace accessory {

std::string defaultProtocolString()
{
    const char* configured = std::getenv("TOLVANE_ACCESSORY_PROTOCOL");
    return configured && *configured ? configured : "com.tolvane.control.protocol1";
}

} // namespace accessory
