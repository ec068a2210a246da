#pragma once

#include <string>

namespace tolvane::app {

// One registered car. The field names are the JSON keys.
struct CarRecord {
    // The serial number of the in-car unit's accessory the car was registered through.
    std::string CarID = {};
    std::string CarImagePath = {};
    std::string CarName = {};
    // "yyyy/MM/dd HH:mm:ss" in the device's zone.
    std::string CreateDate = {};
    std::string UpdateDate = {};

    bool operator==(const CarRecord&) const = default;
};

} // namespace tolvane::app
