// Arbitrary bytes as a strings table: it is read or refused, and every text read goes through the
// formatting step with arguments, as a screen would use it. Nothing may crash.

#include "foundation/LocalizedStrings.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto table = foundation::LocalizedStrings::parse(std::string(reinterpret_cast<const char*>(data), size));
    if (!table)
        return 0;
    for (const auto& [key, text] : *table) {
        (void)foundation::LocalizedStrings::format(key, {});
        (void)foundation::LocalizedStrings::format(text, {"My car", "%@"});
    }
    return 0;
}
