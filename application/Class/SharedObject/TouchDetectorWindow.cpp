#include "TouchDetectorWindow.h"

#include "ui/Event.h"

namespace tolvane::app {

void TouchDetectorWindow::sendEvent(const ui::Event& event)
{
    if (event.type() == ui::EventType::touches)
        touchEvent_.send(event.allTouches());
    ui::Window::sendEvent(event);
}

} // namespace tolvane::app
