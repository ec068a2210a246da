#include "ui/SwipeGestureRecognizer.h"

#include <cmath>

namespace ui {

void SwipeGestureRecognizer::touchesBegan(const TouchSet&, const Event&)
{
    start_ = location(nullptr);
}

void SwipeGestureRecognizer::touchesMoved(const TouchSet&, const Event&)
{
    const Point moved = location(nullptr) - start_;
    const bool horizontal = direction_ == SwipeDirection::left || direction_ == SwipeDirection::right;
    const double along = horizontal ? moved.x : moved.y;
    const double across = horizontal ? moved.y : moved.x;
    const double wanted = (direction_ == SwipeDirection::left || direction_ == SwipeDirection::up) ? -along : along;
    if (std::abs(across) > std::max(std::abs(along), minimumDistance) || wanted < -minimumDistance) {
        setState(State::failed);
        return;
    }
    if (wanted >= minimumDistance && std::abs(across) < wanted)
        setState(State::ended);
}

void SwipeGestureRecognizer::touchesEnded(const TouchSet&, const Event&)
{
    setState(State::failed);
}

void SwipeGestureRecognizer::touchesCancelled(const TouchSet&, const Event&)
{
    setState(State::failed);
}

} // namespace ui
