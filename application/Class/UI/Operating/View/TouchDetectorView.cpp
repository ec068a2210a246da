#include "Class/UI/Operating/View/TouchDetectorView.h"

namespace tolvane::app {

TouchDetectorView::TouchDetectorView(const ui::Rect& frame) : ui::View(frame) {}

// None of the callbacks passes the touches on: the control under the detector must not see them.
void TouchDetectorView::touchesBegan(const ui::TouchSet& touches, const ui::Event& event)
{
    publish(TouchEventType::began, touches, event);
}

void TouchDetectorView::touchesMoved(const ui::TouchSet& touches, const ui::Event& event)
{
    publish(TouchEventType::moved, touches, event);
}

void TouchDetectorView::touchesEnded(const ui::TouchSet& touches, const ui::Event& event)
{
    publish(TouchEventType::ended, touches, event);
}

void TouchDetectorView::touchesCancelled(const ui::TouchSet& touches, const ui::Event& event)
{
    publish(TouchEventType::cancelled, touches, event);
}

void TouchDetectorView::publish(TouchEventType type, const ui::TouchSet& touches, const ui::Event& event)
{
    touchEvent.send(TouchEvent{.type = type, .touches = touches, .event = event});
}

} // namespace tolvane::app
