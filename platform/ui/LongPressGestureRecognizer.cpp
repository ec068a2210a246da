#include "ui/LongPressGestureRecognizer.h"

#include "foundation/RunLoop.h"
#include "ui/Touch.h"

namespace ui {

LongPressGestureRecognizer::~LongPressGestureRecognizer()
{
    if (timer_)
        timer_->invalidate();
}

void LongPressGestureRecognizer::touchesBegan(const TouchSet&, const Event&)
{
    if (hasBegun() || timer_)
        return;
    start_ = location(nullptr);
    if (minimumPressDuration_ <= 0) {
        setState(State::began);
        return;
    }
    std::weak_ptr<GestureRecognizer> weakSelf = weak_from_this();
    timer_ = foundation::RunLoop::main().scheduleTimer(minimumPressDuration_, false, [this, weakSelf](foundation::Timer&) {
        if (weakSelf.expired())
            return;
        timer_.reset();
        if (state() == State::possible)
            setState(State::began);
    });
}

void LongPressGestureRecognizer::touchesMoved(const TouchSet&, const Event&)
{
    if (hasBegun())
        setState(State::changed);
    else if (location(nullptr).distanceTo(start_) > allowableMovement_)
        fail();
}

void LongPressGestureRecognizer::touchesEnded(const TouchSet&, const Event&)
{
    if (hasBegun())
        setState(State::ended);
    else
        fail();
}

void LongPressGestureRecognizer::touchesCancelled(const TouchSet&, const Event&)
{
    if (hasBegun())
        setState(State::cancelled);
    else
        fail();
}

void LongPressGestureRecognizer::fail()
{
    if (timer_) {
        timer_->invalidate();
        timer_.reset();
    }
    setState(State::failed);
}

void LongPressGestureRecognizer::reset()
{
    if (timer_) {
        timer_->invalidate();
        timer_.reset();
    }
}

} // namespace ui
