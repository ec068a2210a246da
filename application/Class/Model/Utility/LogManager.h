#pragma once

#include "Class/Model/Utility/DailyLogger.h"

#include <functional>
#include <memory>
#include <source_location>
#include <string>

namespace tolvane::app {

// The application's one entry for its own log lines. Lines printed before setup() are dropped.
class LogManager {
public:
    LogManager() = delete;

    // Called once at launch, after the minimum level was stored: makes the logger for the
    // documents folder with its own logging thread (unless one was installed) and sets it up.
    static void setup();
    static void print(LogMessage message, LogLevel level, LogOptions options = {},
                      std::source_location location = std::source_location::current());
    static void startPeriodicTimer();
    static void stopPeriodicTimer();
    // Runs `write` on the logging queue when called from a worker thread such as the link's, so
    // those threads never wait on a file; elsewhere (or before setup) it runs at once. The text it
    // returns goes to the console, in its place among the log's lines.
    static void writeOnLoggingQueue(std::function<std::string()> write);

    // Puts a logger of the caller's making behind the static calls (tests; null removes it).
    static void install(std::shared_ptr<DailyLogger> logger);
};

} // namespace tolvane::app
