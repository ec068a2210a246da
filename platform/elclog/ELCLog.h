#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace elclog {

// The closed logging library's interface, kept by a small stand-in of our own: after set-up and
// while enabled, every line whose flag the level mask admits goes to a daily file
// "elclog_<yyMMdd>.log" in its folder, which moves aside to "elclog_<yyMMdd>-previous.log" when full
// so the newest lines are kept; text from outside is escaped. Files older than the save days are
// removed at set-up and when a new day begins, and the kept files can be exported as one file. Safe
// from any thread.
class ELCLog {
public:
    // `logPath` none: the folder "ELCLog" in the program's documents folder.
    static void initSDK(int logLevel, int storageType, int saveDays, std::optional<std::string> logPath);
    static void setEnabled(bool enabled);
    static bool isEnabled();
    static int autoEnableCount();
    static void autoEnableWithCount(int count);
    // Writes every kept line, oldest file first, to `destinationFile`; false when nothing could be written.
    static bool exportLogFiles(const std::string& destinationFile);
    static void write(std::string_view message, int flag, const char* file, const char* function, unsigned line,
                      bool asynchronous);

    // The folder of the daily files, empty before set-up.
    static std::string logFolder();
};

} // namespace elclog
