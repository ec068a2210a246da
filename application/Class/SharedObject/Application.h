#pragma once

#include "ui/Application.h"

#include <functional>

namespace tolvane::app {

// The application object's side that the screens use: the names of its lifecycle notices on the
// default notification centre, and the request to move the application to the background.
class Application {
public:
    static constexpr const char* didBecomeActiveNotification = ui::Application::didBecomeActiveNotification;
    static constexpr const char* willTerminateNotification = ui::Application::willTerminateNotification;

    // Moves the application to the background, as the platform's "suspend" action does.
    static void suspend();
    // What suspend() does; the program's window host installs it (null removes it).
    static void setSuspendHandler(std::function<void()> handler);
};

} // namespace tolvane::app
