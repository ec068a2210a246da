#include "ui/PanGestureRecognizer.h"

#include "ui/View.h"

namespace ui {

Point PanGestureRecognizer::translation(const View* view) const
{
    const Point now = location(nullptr);
    if (!view)
        return now - start_;
    return view->convertFrom(now, nullptr) - view->convertFrom(start_, nullptr);
}

void PanGestureRecognizer::touchesBegan(const TouchSet&, const Event&)
{
    if (state() == State::possible && trackedTouches().size() == 1)
        start_ = location(nullptr);
}

void PanGestureRecognizer::touchesMoved(const TouchSet&, const Event&)
{
    if (state() == State::possible) {
        if (location(nullptr).distanceTo(start_) > hysteresis)
            setState(State::began);
    } else {
        setState(State::changed);
    }
}

void PanGestureRecognizer::touchesEnded(const TouchSet&, const Event&)
{
    setState(state() == State::possible ? State::failed : State::ended);
}

void PanGestureRecognizer::touchesCancelled(const TouchSet&, const Event&)
{
    setState(state() == State::possible ? State::failed : State::cancelled);
}

} // namespace ui
