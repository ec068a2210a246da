#pragma once

#include <cstdint>
#include <string>

namespace tolvane::app {

// The shared settings with their defaults, and the language of the texts. Reads and writes the
// process-wide user defaults.
class UserDefaultsValues {
public:
    UserDefaultsValues() = delete;

    static int64_t minimumLogLevel();
    static bool soundEnable();
    static float soundVolume();
    static int64_t maximumNumberOfRetryOpenSession();
    static double intervalOfRetryOpenSession();

    // The stored language, or the device's first language when the main bundle has it, else "en";
    // what it works out is stored.
    static std::string localizedString();
    // Stores `lang` when the language list holds it (or when there is no readable list), else
    // "en"; returns what it stored.
    static std::string setLocalizedString(const std::string& lang);
    // Works out the language from `given` or, when it is empty, from the device, against the
    // localizations of the library and main bundles, and stores it.
    static void updateLocalizedString(const std::string& given);
    // True registers true as the default of the first tutorial and its skip button (a stored value
    // still wins); false stores false for the first tutorial.
    static void setShouldShowFirstTutorial(bool show);
};

} // namespace tolvane::app
