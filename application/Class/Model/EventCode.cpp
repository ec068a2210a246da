#include "Class/Model/EventCode.h"

namespace tolvane::app {

std::string_view rawValue(EventCode code)
{
    static constexpr std::array<std::string_view, foundation::allCases<EventCode>().size()> raw = {
#define TOLVANE_CASE(name) #name,
        TOLVANE_EVENT_CODES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
    // None, no reason yet, is the empty text.
    if (code == EventCode::None)
        return "";
    return raw[static_cast<size_t>(code)];
}

} // namespace tolvane::app
