#include "Class/Model/EventCode.h"

namespace tolvane::app {

std::string_view rawValue(EventCode code)
{
    static constexpr std::array<std::string_view, 24> raw = {
        "N001", "L001", "L002", "L003", "E001", "E002", "E003", "E004", "E005", "E006", "E007", "E008",
        "E009", "E010", "E011", "E012", "E013", "E014", "E015", "E016", "E017", "E018", "E019", "",
    };
    return raw[static_cast<size_t>(code)];
}

} // namespace tolvane::app
