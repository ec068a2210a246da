#pragma once

#include "foundation/BoundedConsole.h"
#include "foundation/RotatingLogFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane::app {

// One log file, kept open from pass to pass within its budget, so a peer flooding the link cannot
// fill the disk.
struct DailyLogDestination {
    explicit DailyLogDestination(uint64_t budgetBytes) : file(budgetBytes) {}

    foundation::RotatingLogFile file;
    bool writeFailureReported = false;
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

    DailyLogPass(Target daily, Target periodic, foundation::BoundedConsole& console);

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

    static std::string failureNote(Batch& batch);

    Batch daily_;
    Batch periodic_;
    std::vector<Entry> echoes_;
    foundation::BoundedConsole& console_;
};

} // namespace tolvane::app
