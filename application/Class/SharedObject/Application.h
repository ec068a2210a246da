#pragma once

#include <functional>

namespace tolvane::app {

// The application object's side that the screens use: the names of its lifecycle notices on the
// default notification centre, and the request to move the application to the background.
class Application {
public:
    static constexpr const char* didBecomeActiveNotification = "UIApplicationDidBecomeActiveNotification";
    static constexpr const char* willTerminateNotification = "UIApplicationWillTerminateNotification";

    // Moves the application to the background, as the platform's "suspend" action does.
    static void suspend();
    // What suspend() does; the lifecycle substitute installs it (null removes it).
    static void setSuspendHandler(std::function<void()> handler);
};

} // namespace tolvane::app
