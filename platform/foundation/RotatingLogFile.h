#pragma once

#include "foundation/FileAppend.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace foundation {

// Marks the kept previous file of a log: "logging_261211.log" keeps "logging_261211-previous.log",
// which sorts before it.
inline constexpr std::string_view PREVIOUS_LOG_MARKER = "-previous";

// A log file that never grows past its budget and always keeps its newest lines: a line that would
// not fit moves the file aside to its previous file (replacing the one kept before) and starts it
// anew with one line saying so. So the file and its previous one together hold at most twice the
// budget, and at least the newest budget's worth of lines. Lines are written whole, as they come.
class RotatingLogFile {
public:
    explicit RotatingLogFile(uint64_t budgetBytes) : budgetBytes_(budgetBytes) {}

    // `lines`: one or more whole lines, each ending in a line feed.
    AppendResult append(const std::string& path, std::string_view lines);

    static std::string previousPath(const std::string& path);

private:
    // The size of the file at `path` when we start writing it, however it came to be.
    void follow(const std::string& path);
    AppendResult writeAndCount(const std::string& path, std::string_view text);
    void rotate(const std::string& path);

    uint64_t budgetBytes_;
    AppendingFile file_;
    std::string path_;
    uint64_t bytes_ = 0;
};

} // namespace foundation
