#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace accessory {

// A connected accessory as the backend found it. The object stays the same for one connection;
// `isConnected` turns false when it departs, and a unit that comes back is a new object.
class Accessory {
public:
    Accessory(std::string name, std::string serialNumber, std::vector<std::string> protocolStrings,
              uint32_t connectionID);

    const std::string& name() const { return name_; }
    const std::string& serialNumber() const { return serialNumber_; }
    const std::vector<std::string>& protocolStrings() const { return protocolStrings_; }
    uint32_t connectionID() const { return connectionID_; }

    bool isConnected() const { return connected_.load(); }
    void markDisconnected() { connected_.store(false); }

    // One line for logs, naming every field.
    std::string description() const;

private:
    const std::string name_;
    const std::string serialNumber_;
    const std::vector<std::string> protocolStrings_;
    const uint32_t connectionID_;
    std::atomic<bool> connected_{true};
};

using AccessoryRef = std::shared_ptr<Accessory>;

} // namespace accessory
