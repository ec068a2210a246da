#include "Class/UI/Operating/View/Ring/RingControlView.h"

#include "Class/UI/Operating/View/CircularProgressBarView.h"
#include "Class/UI/Operating/View/ResolveOrStop.h"
#include "Class/UI/Operating/View/Ring/FadeOutLineView.h"
#include "Class/UI/Operating/View/Ring/Ring.h"
#include "Class/UI/Operating/View/Ring/RingControlNib.h"

#include "IRingViewModel.h"
#include "ui/ImageView.h"
#include "ui/LongPressGestureRecognizer.h"
#include "ui/NibRegistry.h"

#include <algorithm>
#include <cmath>

namespace tolvane::app {

std::shared_ptr<RingControlView> RingControlView::make(const ui::Rect& frame)
{
    auto view = std::make_shared<RingControlView>(frame);
    view->setup();
    return view;
}

RingControlView::RingControlView(const ui::Rect& frame) : ui::View(frame) {}

void RingControlView::setup()
{
    auto content = ui::NibRegistry::shared().instantiate(RingControlNib::name);
    auto* nib = dynamic_cast<RingControlNib*>(content.get());
    if (!nib)
        return;
    content->setBounds(bounds());
    content->setFrame({bounds().origin, content->frame().size});
    addSubview(content);
    outlets_ = nib->outlets;
    ringViewModel_ = resolveOrStop<IRingViewModel>();
    viewModel_ = resolveOrStop<IOperatingViewModel>();
    ringViewModel_->setOnTouchListenerOperate(*this);

    auto self = std::static_pointer_cast<RingControlView>(shared_from_this());
    std::weak_ptr<RingControlView> weak = self;
    auto recognizer = std::make_shared<ui::LongPressGestureRecognizer>([weak](ui::GestureRecognizer& gesture) {
        if (auto view = weak.lock())
            view->onLongTap(gesture);
    });
    recognizer->setMinimumPressDuration(0.0);
    recognizer->setDelegate(std::weak_ptr<ui::IGestureRecognizerDelegate>(self));
    addGestureRecognizer(recognizer);
    cancellables_.insert(viewModel_->controlAction().sink([weak](const IOperatingViewModel::ControlAction& action) {
        if (auto view = weak.lock())
            view->handleControlAction(action);
    }));
}

void RingControlView::layoutSubviews()
{
    if (ring_)
        ring_->removeFromSuperlayer();
    // No waves: the ring holds no points in this control.
    ring_ = Ring::make({});
    ring_->setFrame({frame().width() * 0.5, frame().height() * 0.5, 0, 0});
    layer().addSublayer(ring_);
}

void RingControlView::setHidden(bool hidden)
{
    ui::View::setHidden(hidden);
    if (ring_)
        updateHintAnimation();
}

void RingControlView::onLongTap(ui::GestureRecognizer& gesture)
{
    switch (gesture.state()) {
    case ui::GestureRecognizerState::began:
        if (touchingView_ || !gesture.view())
            return;
        touchingView_ = gesture.view();
        updateTouch(gesture.location(touchingView_), touchingView_->bounds());
        break;
    case ui::GestureRecognizerState::changed: {
        if (!touchingView_)
            return;
        const ui::Point location = gesture.location(touchingView_);
        updateTouch(location, bounds());
        moveStick(location);
        break;
    }
    case ui::GestureRecognizerState::ended:
    case ui::GestureRecognizerState::cancelled:
        touchingView_ = nullptr;
        resetStick();
        break;
    case ui::GestureRecognizerState::possible:
    case ui::GestureRecognizerState::failed:
        break;
    }
}

void RingControlView::updateTouch(const ui::Point& location, const ui::Rect& area)
{
    isPointsFocused_ = true;
    if (!playHintAnimationAutomatically_)
        return;
    // Inclusive on every edge, as the framework's own test of the same touch is.
    if (location.x < area.minX() || location.x > area.maxX() || location.y < area.minY() || location.y > area.maxY()) {
        resetStick();
        return;
    }
    const double limit = distanceToNextShake * distanceToNextShake;
    if (!lastShakeFocusLocation_ || std::pow(location.x - lastShakeFocusLocation_->x, 2) + std::pow(location.y - lastShakeFocusLocation_->y, 2) >= limit) {
        lastShakeFocusLocation_ = location;
        viewModel_->startReleaseShakeGeneratorTimer();
    }
    stopHint();
}

void RingControlView::moveStick(const ui::Point& location)
{
    // Everything in the control's own coordinates, so the control may sit anywhere.
    if (!superview() || !superview()->bounds().contains(convert(location, superview())))
        return;
    const double radius = outlets_.ringControlStickMovableRange->bounds().width() * 0.5;
    const ui::Point centre = bounds().center();
    const double dx = location.x - centre.x;
    const double dy = location.y - centre.y;
    const double length = std::hypot(dx, dy);
    auto& stick = *outlets_.ringControlStick;
    if (radius > 0 && length / radius > 1.0)
        stick.setCenter({centre.x + radius * dx / length, centre.y + radius * dy / length});
    else
        stick.setCenter({centre.x + dx, centre.y + dy});
    outlets_.fadeOutLineView->addPoint(stick.center());
}

void RingControlView::resetStick()
{
    isPointsFocused_ = false;
    lastShakeFocusLocation_.reset();
    outlets_.ringControlStick->setCenter(outlets_.ringControlStickMovableRange->center());
    outlets_.fadeOutLineView->points.reset();
    outlets_.fadeOutLineView->setNeedsDisplay();
    if (superview() && !isHidden() && playHintAnimationAutomatically_ && !isPointsFocused_)
        viewModel_->startShowHintTimer();
}

void RingControlView::updateHintAnimation()
{
    if (superview() && !isHidden() && playHintAnimationAutomatically_ && !isPointsFocused_) {
        viewModel_->startShowHintTimer();
        return;
    }
    stopHint();
}

void RingControlView::stopHint()
{
    if (auto timer = viewModel_->showHintTimer())
        timer->invalidate();
    viewModel_->setShowHintTimer(nullptr);
    if (ring_) {
        ring_->hintPositionAnimation->behavior()->stop();
        ring_->unfocusAllPoints();
    }
}

void RingControlView::handleControlAction(const IOperatingViewModel::ControlAction& action)
{
    using A = IOperatingViewModel::ControlAction;
    if (auto* active = std::get_if<A::setActive>(&action.value)) {
        playHintAnimationAutomatically_ = active->isActive;
        updateHintAnimation();
        if (!active->isActive)
            letGoOfTheHold();
    } else if (auto* progress = std::get_if<A::setProgress>(&action.value)) {
        auto& bar = *outlets_.circularProgressBarView;
        bar.maxValue = progress->maxValue;
        bar.value = std::min(progress->value, progress->maxValue);
        bar.setNeedsDisplay();
    } else if (std::holds_alternative<A::playHintAnimation>(action.value)) {
        if (ring_)
            ring_->hintPositionAnimation->behavior()->start();
    }
}

void RingControlView::letGoOfTheHold()
{
    // Cancelled as a lift would end it; a finger still down holds again only after a new press.
    for (const auto& recognizer : gestureRecognizers()) {
        recognizer->setEnabled(false);
        recognizer->setEnabled(true);
    }
}

} // namespace tolvane::app
