#include "ui/TapGestureRecognizer.h"

#include "ui/Touch.h"

namespace ui {

void TapGestureRecognizer::touchesBegan(const TouchSet&, const Event&)
{
    if (trackedTouches().size() > 1) {
        setState(State::failed);
        return;
    }
    start_ = trackedTouches().front()->location(nullptr);
}

void TapGestureRecognizer::touchesMoved(const TouchSet& touches, const Event&)
{
    for (const auto& touch : touches)
        if (touch->location(nullptr).distanceTo(start_) > allowableMovement) {
            setState(State::failed);
            return;
        }
}

void TapGestureRecognizer::touchesEnded(const TouchSet&, const Event&)
{
    setState(State::ended);
}

void TapGestureRecognizer::touchesCancelled(const TouchSet&, const Event&)
{
    setState(State::failed);
}

} // namespace ui
