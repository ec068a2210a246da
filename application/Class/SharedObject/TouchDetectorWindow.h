#pragma once

#include "rx/Subject.h"
#include "ui/Window.h"

#include <optional>

namespace tolvane::app {

// The application's window: it keeps the touches of every touch event it passes on.
class TouchDetectorWindow : public ui::Window {
public:
    using ui::Window::Window;

    void sendEvent(const ui::Event& event) override;
    // The touches of the last touch event (absent before the first).
    rx::Publisher<std::optional<ui::TouchSet>> touchEventPublisher() const { return touchEvent_.publisher(); }

private:
    rx::CurrentValueSubject<std::optional<ui::TouchSet>> touchEvent_{std::nullopt};
};

} // namespace tolvane::app
