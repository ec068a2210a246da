#include "ui/Control.h"

#include "ui/Touch.h"

namespace ui {
namespace {

// A finger may stray this far outside before lifting still counts as inside, as on the platform.
constexpr double touchSlop = 70.0;

} // namespace

void Control::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (!enabled)
        highlighted_ = false;
    stateDidChange();
}

void Control::setSelected(bool selected)
{
    selected_ = selected;
    stateDidChange();
}

void Control::setHighlighted(bool highlighted)
{
    if (highlighted_ == highlighted)
        return;
    highlighted_ = highlighted;
    stateDidChange();
}

ControlState Control::state() const
{
    if (!enabled_)
        return ControlState::disabled;
    if (highlighted_)
        return ControlState::highlighted;
    if (selected_)
        return ControlState::selected;
    return ControlState::normal;
}

void Control::addTarget(ControlEvent event, Action action)
{
    actions_[event].push_back(std::move(action));
}

void Control::removeTargets(ControlEvent event)
{
    actions_.erase(event);
}

void Control::sendActions(ControlEvent event)
{
    auto it = actions_.find(event);
    if (it == actions_.end())
        return;
    auto keepAlive = shared_from_this();
    const auto actions = it->second;
    for (const auto& action : actions)
        action(*this);
}

View* Control::hitTest(const Point& point, const Event* event)
{
    View* hit = View::hitTest(point, event);
    if (hit == this && !enabled_)
        return nullptr;
    return hit;
}

bool Control::isTouchInside(const TouchSet& touches) const
{
    if (touches.empty())
        return false;
    return bounds().insetBy(-touchSlop, -touchSlop).contains(touches.front()->location(this));
}

void Control::touchesBegan(const TouchSet&, const Event&)
{
    setHighlighted(true);
    sendActions(ControlEvent::touchDown);
}

void Control::touchesMoved(const TouchSet& touches, const Event&)
{
    setHighlighted(isTouchInside(touches));
}

void Control::touchesEnded(const TouchSet& touches, const Event&)
{
    const bool inside = isTouchInside(touches);
    setHighlighted(false);
    if (enabled_)
        sendActions(inside ? ControlEvent::touchUpInside : ControlEvent::touchUpOutside);
}

void Control::touchesCancelled(const TouchSet&, const Event&)
{
    setHighlighted(false);
    sendActions(ControlEvent::touchCancel);
}

} // namespace ui
