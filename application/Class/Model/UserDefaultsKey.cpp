#include "Class/Model/UserDefaultsKey.h"

#include "Class/Model/CarRecordStore.h"

#include <algorithm>
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

bool isUserDefaultsKey(std::string_view key)
{
    const auto& cases = foundation::EnumCases<UserDefaultsKey>::all;
    return key.starts_with(CarRecordStore::UNREADABLE_CAR_RECORDS_KEY) ||
           std::ranges::any_of(cases, [&](UserDefaultsKey known) { return rawValue(known) == key; });
}

} // namespace tolvane::app
