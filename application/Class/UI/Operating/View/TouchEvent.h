#pragma once

#include "ui/Event.h"
#include "ui/Responder.h"

#include <cstdint>
#include <optional>

namespace tolvane::app {

// Which touch callback a TouchEvent came from; subscribers compare against `moved`, so the order holds.
enum class TouchEventType : uint8_t { began, moved, ended, cancelled };

// One touch callback: its type, the touches of that phase, and the event whose allTouches holds every
// finger on the screen.
struct TouchEvent {
    TouchEventType type;
    ui::TouchSet touches;
    std::optional<ui::Event> event;
};

} // namespace tolvane::app
