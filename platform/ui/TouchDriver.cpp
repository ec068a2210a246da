#include "ui/TouchDriver.h"

#include "foundation/RunLoop.h"
#include "ui/Window.h"

#include <algorithm>

namespace ui {

TouchDriver::TouchDriver(Window& window) : window_(window) {}

double TouchDriver::now()
{
    return foundation::RunLoop::hasMain() ? foundation::RunLoop::main().clock().now() : 0.0;
}

std::shared_ptr<Touch> TouchDriver::begin(Point location)
{
    auto touch = std::make_shared<Touch>(window_, location, now());
    down_.push_back(touch);
    send(touch, location, TouchPhase::began);
    return touch;
}

void TouchDriver::move(const std::shared_ptr<Touch>& touch, Point location)
{
    send(touch, location, TouchPhase::moved);
}

void TouchDriver::end(const std::shared_ptr<Touch>& touch)
{
    end(touch, touch->location(nullptr));
}

void TouchDriver::end(const std::shared_ptr<Touch>& touch, Point location)
{
    send(touch, location, TouchPhase::ended);
}

void TouchDriver::cancel(const std::shared_ptr<Touch>& touch)
{
    send(touch, touch->location(nullptr), TouchPhase::cancelled);
}

void TouchDriver::tap(Point location)
{
    end(begin(location));
}

void TouchDriver::send(const std::shared_ptr<Touch>& changed, Point location, TouchPhase phase)
{
    if (std::find(down_.begin(), down_.end(), changed) == down_.end())
        return;
    const double timestamp = now();
    for (const auto& touch : down_) {
        if (touch == changed)
            touch->moveTo(location, phase, timestamp);
        else
            touch->moveTo(touch->location(nullptr), TouchPhase::stationary, touch->timestamp());
    }
    const Event event(EventType::touches, timestamp, down_);
    std::erase_if(down_, [](const auto& touch) {
        return touch->phase() == TouchPhase::ended || touch->phase() == TouchPhase::cancelled;
    });
    window_.sendEvent(event);
}

} // namespace ui
