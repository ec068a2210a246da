#include "foundation/BoundedConsole.h"

#include <string>
#include <utility>

namespace foundation {

BoundedConsole::BoundedConsole(const Clock& clock, Seconds window, uint64_t windowBytes, Writer writer)
    : clock_(clock), window_(window), windowBytes_(windowBytes), writer_(std::move(writer))
{
}

void BoundedConsole::write(std::string_view text)
{
    if (text.empty())
        return;
    std::lock_guard lock(mutex_);
    const Seconds now = clock_.now();
    if (!started_ || now >= windowStart_ + window_) {
        started_ = true;
        windowStart_ = now;
        windowUsed_ = 0;
        if (leftOut_ > 0) {
            const std::string note = std::to_string(std::exchange(leftOut_, 0)) +
                                     " bytes of log lines were not echoed here; the log files keep them.\n";
            writer_(note);
        }
    }
    if (windowUsed_ + text.size() > windowBytes_) {
        leftOut_ += text.size();
        return;
    }
    windowUsed_ += text.size();
    writer_(text);
}

} // namespace foundation
