#pragma once

#include "ui/Point.h"
#include "ui/Touch.h"

#include <memory>

namespace ui {

class Window;

// Turns finger positions (window coordinates) into touch events for one window: the window host
// feeds it from the mouse and the touch screen, tests feed it directly. Each call sends one event
// carrying every finger still down.
class TouchDriver {
public:
    explicit TouchDriver(Window& window);

    std::shared_ptr<Touch> begin(Point location);
    void move(const std::shared_ptr<Touch>& touch, Point location);
    void end(const std::shared_ptr<Touch>& touch);
    void end(const std::shared_ptr<Touch>& touch, Point location);
    void cancel(const std::shared_ptr<Touch>& touch);
    // A finger down and up at one place.
    void tap(Point location);

    const TouchSet& touchesDown() const { return down_; }

private:
    void send(const std::shared_ptr<Touch>& changed, Point location, TouchPhase phase);
    static double now();

    Window& window_;
    TouchSet down_;
};

} // namespace ui
