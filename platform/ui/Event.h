#pragma once

#include "ui/Responder.h"

namespace ui {

class View;

enum class EventType { touches, motion, remoteControl, presses };

// One input event. A touch event carries every finger currently on the glass, moving or not.
class Event {
public:
    Event(EventType type, double timestamp, TouchSet allTouches = {});

    EventType type() const { return type_; }
    double timestamp() const { return timestamp_; }
    const TouchSet& allTouches() const { return allTouches_; }
    // The touches bound to `view`.
    TouchSet touches(const View* view) const;

private:
    EventType type_;
    double timestamp_;
    TouchSet allTouches_;
};

} // namespace ui
