// Arbitrary text as the stored car list: it is read whole or refused with a reason, and whatever is
// read is written back to a text that reads as the same list.

#include "Class/Model/CarRecordList.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string reason;
    const auto list = tolvane::app::CarRecordList::decode(text, &reason);
    if (!list) {
        if (reason.empty())
            __builtin_trap();
        return 0;
    }
    if (tolvane::app::CarRecordList::decode(list->encode()) != list)
        __builtin_trap();
    return 0;
}
