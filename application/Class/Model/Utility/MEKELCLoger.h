#pragma once

#include <string>

namespace tolvane::app {

// The application's settings for the closed logging library, and the calls it makes into it.
class MEKELCLoger {
public:
    MEKELCLoger() = delete;

    static constexpr bool defaultLogEnableStatus = true;
    static constexpr int defaultTapNumber = 5;
    static constexpr double defaultLongPressTime = 5.0;
    static constexpr int defauleIntelligentEnableCount = 5;
    static constexpr int defaultLogSaveDay = 7;
    static constexpr int defaultStorageType = 6;
    static constexpr int defaultLogLevel = 31;

    // Sets the library up with the level mask, storage and save days above, then enables it.
    static void initLogSetting();
    // Uses one of the remaining automatic enables, when any is left.
    static void intelligentEnable();
    // Hands the kept log files over as one file at `destinationFile`; false when that failed.
    static bool exportLogFiles(const std::string& destinationFile);
    static void setEnabled(bool enabled);
    static bool isEnabled();
    static int autoEnableCount();
    static void autoEnableWithCount(int count);
};

} // namespace tolvane::app
