#include "accessory/Accessory.h"

namespace accessory {

Accessory::Accessory(std::string name, std::string serialNumber, std::vector<std::string> protocolStrings,
                     uint32_t connectionID)
    : name_(std::move(name)),
      serialNumber_(std::move(serialNumber)),
      protocolStrings_(std::move(protocolStrings)),
      connectionID_(connectionID)
{
}

std::string Accessory::description() const
{
    std::string protocols;
    for (const auto& protocol : protocolStrings_)
        protocols += (protocols.empty() ? "" : ", ") + protocol;
    return "<Accessory name: " + name_ + ", serialNumber: " + serialNumber_ + ", connectionID: " +
           std::to_string(connectionID_) + ", connected: " + (isConnected() ? "true" : "false") +
           ", protocolStrings: [" + protocols + "]>";
}

} // namespace accessory
