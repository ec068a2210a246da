#pragma once

#include "foundation/Clock.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {

class IApplicationDelegate;

struct ApplicationOptions {
    // Where a picture of the window is written once the first screen has settled (for a window no
    // one can look at); nothing is written when empty.
    std::string screenshotPath = {};
    foundation::Seconds screenshotDelay = 2.0;
    // Terminates the application once the picture is written.
    bool quitAfterScreenshot = false;
    // Runs after the application terminated or failed to launch, while Qt's application object and
    // the main loop still exist, so that threads can end; the main loop then runs what this posted.
    std::function<void()> willExit = {};
};

// Runs a stand-alone application until it terminates and returns its exit status: makes Qt's GUI
// application and the main run loop on it, launches the delegate, shows its window in a phone-sized
// host window, and drives the lifecycle from that window (see ApplicationWindowFollower) and from
// SIGTERM and SIGINT, which terminate it.
int applicationMain(int argc, char** argv, std::shared_ptr<IApplicationDelegate> delegate,
                    ApplicationOptions options = {});

} // namespace ui
