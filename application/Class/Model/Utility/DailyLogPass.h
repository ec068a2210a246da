#pragma once

#include "foundation/FileAppend.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

// What one log file took on this day, so a peer flooding the link cannot fill the disk.
struct DailyLogBudget {
    std::string path;
    uint64_t bytes = 0;
    bool fullReported = false;
    bool writeFailureReported = false;
};

// One log file, kept open from pass to pass, and its day's budget.
struct DailyLogDestination {
    foundation::AppendingFile file;
    DailyLogBudget budget;
};

// One pass of the logging queue: the waiting lines go to their files with one write per file and
// the daily ones to the console with one write, in the order they were handed over. The console
// shows what it showed line by line: a line's failure to reach its file just before the line.
class DailyLogPass {
public:
    struct Target {
        DailyLogDestination& destination;
        const std::string& path;
    };

    // `dayBytes` is what one day's file may take; later lines of that day are dropped, once reported.
    DailyLogPass(uint64_t dayBytes, Target daily, Target periodic);

    // A formatted line, ending in its line break. Periodic lines do not go to the console.
    void add(std::string_view line, bool isPeriodic);
    // Another writer's console text, in its place among the lines.
    void addConsoleText(std::string text);
    void write();

private:
    struct Batch {
        Target target;
        std::string text = {};
        foundation::AppendResult result = foundation::AppendResult::appended;
    };
    // A line of the pass (its place in its batch's text), or text of ours or of another writer.
    struct Entry {
        Batch* batch = nullptr;
        size_t begin = 0;
        size_t size = 0;
        bool echoed = false;
        std::string text = {};
    };

    // Counts the line within the day's budget; false once the day's file is full.
    bool reserve(Batch& batch, size_t size);
    static std::string failureNote(Batch& batch);

    uint64_t dayBytes_;
    Batch daily_;
    Batch periodic_;
    std::vector<Entry> console_;
};

} // namespace tolvane::app
