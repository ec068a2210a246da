#pragma once

#include "haptics/HapticEvent.h"

#include <optional>
#include <vector>

namespace haptics {

// The events one player plays, checked once when the pattern is made.
class HapticPattern {
public:
    // None when an event has a negative or non-finite time or duration, or a parameter outside 0...1.
    static std::optional<HapticPattern> make(std::vector<HapticEvent> events);

    const std::vector<HapticEvent>& events() const { return events_; }

private:
    explicit HapticPattern(std::vector<HapticEvent> events) : events_(std::move(events)) {}

    std::vector<HapticEvent> events_;
};

} // namespace haptics
