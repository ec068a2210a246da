#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace accessory {

// What a local-socket unit's "<serial number>.json" says of it. Anything the file does not give, or
// gives in another type, keeps the default; a file that is no JSON object gives the defaults.
struct AccessoryDescription {
    std::string name;
    std::vector<std::string> protocolStrings;

    static AccessoryDescription parse(std::string_view json, AccessoryDescription defaults);
};

} // namespace accessory
