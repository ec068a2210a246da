#include "Class/Model/UserDefaultsKey.h"

#include <array>

namespace tolvane::app {

std::string_view rawValue(UserDefaultsKey key)
{
    static constexpr std::array<std::string_view, foundation::allCases<UserDefaultsKey>().size()> raw = {
#define TOLVANE_CASE(name) "TolvaneControl_" #name,
        TOLVANE_USER_DEFAULTS_KEYS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
    return raw[static_cast<size_t>(key)];
}

} // namespace tolvane::app
