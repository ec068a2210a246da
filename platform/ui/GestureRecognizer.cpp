#include "ui/GestureRecognizer.h"

#include "ui/Touch.h"
#include "ui/View.h"
#include "ui/Window.h"

#include <algorithm>

namespace ui {

GestureRecognizer::GestureRecognizer(Action action)
{
    if (action)
        actions_.push_back(std::move(action));
}

GestureRecognizer::~GestureRecognizer() = default;

void GestureRecognizer::addTarget(Action action)
{
    actions_.push_back(std::move(action));
}

void GestureRecognizer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled && (state_ == State::began || state_ == State::changed))
        setState(State::cancelled);
}

Point GestureRecognizer::location(const View* view) const
{
    Point inWindow = lastLocationInWindow_;
    if (!touches_.empty()) {
        Point sum;
        for (const auto& touch : touches_)
            sum = sum + touch->location(nullptr);
        inWindow = {sum.x / static_cast<double>(touches_.size()), sum.y / static_cast<double>(touches_.size())};
    }
    if (!view || !window_)
        return inWindow;
    return view->convertFrom(inWindow, window_);
}

bool GestureRecognizer::isTracking() const
{
    return state_ == State::possible || state_ == State::began || state_ == State::changed;
}

bool GestureRecognizer::canRecognizeSimultaneously(GestureRecognizer& other)
{
    if (auto mine = delegate(); mine && mine->shouldRecognizeSimultaneously(*this, other))
        return true;
    if (auto theirs = other.delegate(); theirs && theirs->shouldRecognizeSimultaneously(other, *this))
        return true;
    return false;
}

void GestureRecognizer::touchesBegan(const TouchSet&, const Event&) {}
void GestureRecognizer::touchesMoved(const TouchSet&, const Event&) {}
void GestureRecognizer::touchesEnded(const TouchSet&, const Event&) {}
void GestureRecognizer::touchesCancelled(const TouchSet&, const Event&) {}

void GestureRecognizer::setState(State state)
{
    const bool recognising = state_ == State::possible && (state == State::began || state == State::ended);
    if (recognising) {
        auto delegateRef = delegate();
        if ((delegateRef && !delegateRef->gestureRecognizerShouldBegin(*this)) ||
            (window_ && !window_->gestureRecognizerMayRecognize(*this)))
            state = State::failed;
    }
    state_ = state;
    rememberLocation();
    if (recognising && state_ != State::failed && window_)
        window_->gestureRecognizerDidRecognize(*this);
    if (state_ == State::failed || state_ == State::possible)
        return;
    auto keepAlive = shared_from_this();
    const auto actions = actions_;
    for (const auto& action : actions)
        action(*this);
}

void GestureRecognizer::track(const std::shared_ptr<Touch>& touch, Window& window)
{
    window_ = &window;
    touches_.push_back(touch);
    rememberLocation();
}

void GestureRecognizer::rememberLocation()
{
    if (!touches_.empty())
        lastLocationInWindow_ = location(nullptr);
}

void GestureRecognizer::forgetFinishedTouches()
{
    rememberLocation();
    std::erase_if(touches_, [](const auto& touch) {
        return touch->phase() == TouchPhase::ended || touch->phase() == TouchPhase::cancelled;
    });
    if (touches_.empty() && state_ != State::possible) {
        state_ = State::possible;
        reset();
    }
}

} // namespace ui
