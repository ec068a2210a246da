#include "Class/UI/TouchPreConfirmation/View/ScratchElementView.h"

#include "Class/UI/Base/View/ScreenStyle.h"

namespace tolvane::app {

ScratchElementView::ScratchElementView(const ui::Rect& frame, Id id) : ui::View(frame), id(id)
{
    showCovered(true);
}

void ScratchElementView::onAction(TouchPreConfirmationAction action)
{
    if (isCheckCompleted)
        return;
    if (action == TouchPreConfirmationAction::reset) {
        state = State::initial;
        showCovered(true);
    } else if (action == TouchPreConfirmationAction::checkComplete) {
        showCovered(false);
        isCheckCompleted = true;
    }
}

void ScratchElementView::onTouchInfo(const TouchInfo& touchInfo)
{
    if (isCheckCompleted)
        return;
    const ui::Rect inWindow = superview() ? superview()->convert(frame(), nullptr) : frame();
    if (inWindow.center().distanceTo(touchInfo.location) <= touchInfo.radius && touchInfo.eventType == TouchEventType::moved)
        showCovered(false);
}

void ScratchElementView::showCovered(bool covered)
{
    setBackgroundColor(covered ? ScreenStyle::muted() : ui::Color::clear());
}

} // namespace tolvane::app
