#include "Class/UI/TouchPreConfirmation/ViewModel/ScratchElementInfo.h"

namespace tolvane::app {

ScratchElementInfo::ScratchElementInfo(int x, int y, ui::Point point, int size, State state)
    : x(x), y(y), point(point), size(size), state(state)
{
}

void ScratchElementInfo::onTouchInfo(const TouchInfo& touchInfo)
{
    if (point.distanceTo(touchInfo.location) <= touchInfo.radius && touchInfo.eventType == TouchEventType::moved)
        state = State::passed;
}

void ScratchElementInfo::onAction(TouchPreConfirmationAction action)
{
    if (action == TouchPreConfirmationAction::reset)
        state = State::initial;
    else if (action == TouchPreConfirmationAction::checkComplete)
        state = State::passed;
}

} // namespace tolvane::app
