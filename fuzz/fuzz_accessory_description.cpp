// Arbitrary bytes as a unit's description file: what it gives in the right type is taken, the rest
// keeps the defaults. Nothing may crash.

#include "accessory/AccessoryDescription.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto description = accessory::AccessoryDescription::parse(
        std::string_view(reinterpret_cast<const char*>(data), size), {.name = "VIN0001", .protocolStrings = {"p"}});
    (void)description;
    return 0;
}
