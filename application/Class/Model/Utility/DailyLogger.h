#pragma once

#include "Class/Model/Utility/DailyLogPass.h"
#include "Class/Model/Utility/LabelledValue.h"
#include "Class/Model/Utility/LogLevel.h"

#include "foundation/BoundedConsole.h"
#include "foundation/Clock.h"
#include "foundation/Guarded.h"
#include "foundation/StandardOutput.h"
#include "foundation/RunLoop.h"
#include "foundation/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <source_location>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tolvane::app {

// A line's message, or what makes it on the logging queue, so that a caller on a link thread hands
// over only raw parts (such as a frame's bytes) and never formats them itself.
using LogMessage = std::variant<std::string, std::function<std::string()>>;

// What a caller may add to a log line beside its message and level.
struct LogOptions {
    std::vector<LabelledValue> values = {};
    // True sends the line to the periodic file instead of the daily file and the console.
    bool isPeriodic = false;
    // The caller's name as the line shows it, e.g. "transition(reqDisplayId:causeId:)"; the C++
    // function name when empty.
    std::string_view function = {};
    // Where the completion runs; the logging queue when none.
    foundation::RunLoop* queue = nullptr;
    std::function<void()> completion = {};
};

// Writes tab-separated lines to "logging_<yyMMdd>.log" (and heartbeat lines to
// "logging_periodic_<yyMMdd>.log") in the documents folder, the date being that of the set-up.
// Callers on any thread only filter, stamp and queue; formatting and file access run in call order
// on the logging queue. Each file and the console echo are bounded, keeping the newest lines.
class DailyLogger : public std::enable_shared_from_this<DailyLogger> {
public:
    struct Environment {
        // Wall time of every line and the date of the files.
        const foundation::Clock& clock;
        foundation::RunLoop& loggingQueue;
        std::string documentsDirectory = {};
        std::string appVersion = {};
        // The same for every line of one run.
        std::string launchId = {};
        // Lines below this level number are dropped.
        int minimumLogLevel = 1;
        // What each of the two files may take before it moves aside to its previous file.
        uint64_t logFileBytes = LOG_FILE_BYTES;
        // Where the echo goes, within CONSOLE_WINDOW_BYTES per CONSOLE_WINDOW.
        std::function<void(std::string_view)> console = foundation::writeToStandardOutput;
    };

    // Days of daily files kept at set-up, as the closed logger keeps its own.
    static constexpr int LOG_SAVE_DAYS = 7;
    static constexpr foundation::Seconds PERIODIC_INTERVAL = 0.5;
    // A linked run writes a few tens of KB a second: the newest hours of a day stay at hand, and a
    // day takes at most twice this with its previous file.
    static constexpr uint64_t LOG_FILE_BYTES = 16ull * 1024 * 1024;
    // Well above a linked run's echo, far below a flood's.
    static constexpr foundation::Seconds CONSOLE_WINDOW = 10.0;
    static constexpr uint64_t CONSOLE_WINDOW_BYTES = 1024 * 1024;

    explicit DailyLogger(Environment environment);
    ~DailyLogger();

    // Fixes the two file paths on the logging queue and removes daily files older than the kept days.
    void setUp();
    void print(LogMessage message, LogLevel level, LogOptions options, std::source_location location);
    // Runs `write` on the logging queue in its turn among the lines; the text it returns goes to the
    // console in its place among theirs.
    void writeInLineOrder(std::function<std::string()> write);
    // Another writer's console text, now, within the console's bound.
    void echo(std::string_view text);
    // The heartbeat: one periodic line every half second on the main loop while it runs.
    void startPeriodicTimer();
    void stopPeriodicTimer();

    foundation::RunLoop& loggingQueue() const { return environment_.loggingQueue; }
    std::string logFilePath() const;
    std::string periodicLogFilePath() const;

private:
    struct Line;
    struct Queued;

    void enqueue(Queued queued);
    // Writes every line queued so far, then runs their completions.
    void writeQueued();
    std::string format(const Line& line) const;
    Environment environment_;
    // Fixed on the logging queue by setUp(); nothing is written before.
    struct Paths {
        std::string log;
        std::string periodic;
    };
    foundation::Guarded<std::optional<Paths>> paths_;
    foundation::TimerRef periodicTimer_;
    // Lines handed over and not yet written, in the order they were handed over. A pass on the
    // logging queue is posted whenever this stops being empty, and takes them all.
    foundation::Guarded<std::vector<Queued>> queued_;
    // Used only on the logging queue.
    DailyLogDestination daily_;
    DailyLogDestination periodic_;
    foundation::BoundedConsole console_;
};

} // namespace tolvane::app
