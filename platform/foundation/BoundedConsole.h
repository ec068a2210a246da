#pragma once

#include "foundation/Clock.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <string_view>

namespace foundation {

// The console echo of the logs, bounded in what it takes per window of time: a peer that floods
// the link cannot flood the terminal or a file the output goes to. Once a window's bytes are spent,
// the rest of that window's text is left out (the log files keep it), and the first text of a later
// window comes after one line saying how much was left out. Safe from any thread.
class BoundedConsole {
public:
    using Writer = std::function<void(std::string_view)>;

    BoundedConsole(const Clock& clock, Seconds window, uint64_t windowBytes, Writer writer);

    void write(std::string_view text);

private:
    const Clock& clock_;
    const Seconds window_;
    const uint64_t windowBytes_;
    const Writer writer_;
    std::mutex mutex_;
    Seconds windowStart_ = 0;
    bool started_ = false;
    uint64_t windowUsed_ = 0;
    uint64_t leftOut_ = 0;
};

} // namespace foundation
