#pragma once

#include "foundation/EnumCases.h"

#include <string_view>

namespace tolvane::app {

// Every key the application keeps in the user defaults. Raw values are "TolvaneControl_" + name.
#define TOLVANE_USER_DEFAULTS_KEYS(X) \
    X(minimumLogLevel) \
    X(localizedString) \
    X(soundEnable) \
    X(soundVolume) \
    X(maximumNumberOfRetryOpenSession) \
    X(intervalOfRetryOpenSession) \
    X(shouldShowFirstTutorial) \
    X(shouldShowFirstTutorialSkipButton) \
    X(isAppKilled) \
    X(CarRecords) \
    X(checkedNotShowFirstTutorial) \
    X(notShowFirstOperate) \
    X(notShowPowerOffButtonHint) \
    X(notShowInterruptButtonHint) \
    X(notShowEndHalfwayButtonHint)

enum class UserDefaultsKey {
#define TOLVANE_CASE(name) name,
    TOLVANE_USER_DEFAULTS_KEYS(TOLVANE_CASE)
#undef TOLVANE_CASE
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
#define TOLVANE_CASE(name) E::name,
        TOLVANE_USER_DEFAULTS_KEYS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
