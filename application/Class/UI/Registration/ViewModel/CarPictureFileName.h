#pragma once

#include <optional>
#include <string>

namespace tolvane::app {

// The file name of a car's picture, made from the serial number of its unit. The serial number
// comes from the accessory, so it is made safe for a file name: only letters, digits, "-" and "_"
// stay, and a name that had to change, or is too long, gets a checksum of the whole serial
// number so that two units never share a picture.
class CarPictureFileName {
public:
    static constexpr size_t MAX_STEM_LENGTH = 64;

    // "<safe serial number>.png"; none for an empty serial number.
    static std::optional<std::string> forSerialNumber(const std::string& serialNumber);
};

} // namespace tolvane::app
