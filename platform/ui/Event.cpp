#include "ui/Event.h"

#include "ui/Touch.h"

namespace ui {

Event::Event(EventType type, double timestamp, TouchSet allTouches)
    : type_(type), timestamp_(timestamp), allTouches_(std::move(allTouches))
{
}

TouchSet Event::touches(const View* view) const
{
    TouchSet result;
    for (const auto& touch : allTouches_)
        if (touch->view() == view)
            result.push_back(touch);
    return result;
}

} // namespace ui
