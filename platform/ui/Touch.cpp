#include "ui/Touch.h"

#include "ui/View.h"
#include "ui/Window.h"

#include <utility>

namespace ui {

Touch::Touch(Window& window, Point locationInWindow, double timestamp)
    : window_(&window), location_(locationInWindow), previousLocation_(locationInWindow), timestamp_(timestamp)
{
}

Point Touch::location(const View* view) const
{
    return convertFromWindow(location_, view);
}

Point Touch::previousLocation(const View* view) const
{
    return convertFromWindow(previousLocation_, view);
}

Point Touch::convertFromWindow(Point point, const View* view) const
{
    if (!view)
        return point;
    return view->convertFrom(point, window_);
}

void Touch::moveTo(Point locationInWindow, TouchPhase phase, double timestamp)
{
    previousLocation_ = location_;
    location_ = locationInWindow;
    phase_ = phase;
    timestamp_ = timestamp;
}

void Touch::letGoOfView()
{
    if (view_)
        finishedView_ = std::exchange(view_, nullptr);
}

} // namespace ui
