#pragma once

#include "foundation/EnumCases.h"

#include <string_view>

namespace tolvane::app {

// Every key the application keeps in the user defaults. Raw values are "TolvaneControl_" + name.
enum class UserDefaultsKey {
    minimumLogLevel,
    localizedString,
    soundEnable,
    soundVolume,
    maximumNumberOfRetryOpenSession,
    intervalOfRetryOpenSession,
    shouldShowFirstTutorial,
    shouldShowFirstTutorialSkipButton,
    isAppKilled,
    CarRecords,
    checkedNotShowFirstTutorial,
    notShowFirstOperate,
    notShowPowerOffButtonHint,
    notShowInterruptButtonHint,
    notShowEndHalfwayButtonHint,
};

std::string_view rawValue(UserDefaultsKey key);

// True for the raw value of a key above and for the keys that hold car lists kept aside; only these
// are carried over from a damaged settings file.
bool isUserDefaultsKey(std::string_view key);

} // namespace tolvane::app

template <>
struct foundation::EnumCases<tolvane::app::UserDefaultsKey> {
    using E = tolvane::app::UserDefaultsKey;
    static constexpr std::array all{
        E::minimumLogLevel,
        E::localizedString,
        E::soundEnable,
        E::soundVolume,
        E::maximumNumberOfRetryOpenSession,
        E::intervalOfRetryOpenSession,
        E::shouldShowFirstTutorial,
        E::shouldShowFirstTutorialSkipButton,
        E::isAppKilled,
        E::CarRecords,
        E::checkedNotShowFirstTutorial,
        E::notShowFirstOperate,
        E::notShowPowerOffButtonHint,
        E::notShowInterruptButtonHint,
        E::notShowEndHalfwayButtonHint,
    };
};
