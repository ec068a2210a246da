#pragma once

#include <string>

namespace accessory {

// The protocol string of the vehicle unit: TOLVANE_ACCESSORY_PROTOCOL when set, else
// "com.tolvane.control.protocol1".
std::string defaultProtocolString();

} // namespace accessory
