#include "TapEventReceiver.h"

namespace tolvane::app {

void TapEventReceiver::onTap(std::optional<ui::TouchSet> event)
{
    touchEvent.send(std::move(event));
}

} // namespace tolvane::app
