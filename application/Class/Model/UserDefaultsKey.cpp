#include "Class/Model/UserDefaultsKey.h"

#include "Class/Model/CarRecordStore.h"

#include <algorithm>
#include <array>

namespace tolvane::app {

std::string_view rawValue(UserDefaultsKey key)
{
    static constexpr std::array<std::string_view, 15> raw = {
        "TolvaneControl_minimumLogLevel",
        "TolvaneControl_localizedString",
        "TolvaneControl_soundEnable",
        "TolvaneControl_soundVolume",
        "TolvaneControl_maximumNumberOfRetryOpenSession",
        "TolvaneControl_intervalOfRetryOpenSession",
        "TolvaneControl_shouldShowFirstTutorial",
        "TolvaneControl_shouldShowFirstTutorialSkipButton",
        "TolvaneControl_isAppKilled",
        "TolvaneControl_CarRecords",
        "TolvaneControl_checkedNotShowFirstTutorial",
        "TolvaneControl_notShowFirstOperate",
        "TolvaneControl_notShowPowerOffButtonHint",
        "TolvaneControl_notShowInterruptButtonHint",
        "TolvaneControl_notShowEndHalfwayButtonHint",
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
