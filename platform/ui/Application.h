#pragma once

#include "ui/ApplicationState.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {

class IApplicationDelegate;

// The running application: its state, its delegate, and the six lifecycle notices it posts on the
// default notification centre, each right after the matching delegate entry, in the order the
// phone platform posts them. Whoever watches the window drives it; tests drive it directly. Main
// thread only.
class Application {
public:
    static constexpr const char* didFinishLaunchingNotification = "UIApplicationDidFinishLaunchingNotification";
    static constexpr const char* willEnterForegroundNotification = "UIApplicationWillEnterForegroundNotification";
    static constexpr const char* didBecomeActiveNotification = "UIApplicationDidBecomeActiveNotification";
    static constexpr const char* didEnterBackgroundNotification = "UIApplicationDidEnterBackgroundNotification";
    static constexpr const char* willResignActiveNotification = "UIApplicationWillResignActiveNotification";
    static constexpr const char* willTerminateNotification = "UIApplicationWillTerminateNotification";

    static Application& shared();

    ApplicationState applicationState() const { return state_; }
    bool isTerminated() const { return terminated_; }
    const std::shared_ptr<IApplicationDelegate>& delegate() const { return delegate_; }
    void setDelegate(std::shared_ptr<IApplicationDelegate> delegate) { delegate_ = std::move(delegate); }

    // Runs the delegate's launch entry and posts the launch notice; the application is inactive
    // until it becomes active. Returns the delegate's answer.
    bool launch();
    // Inactive to active; from the background it enters the foreground first.
    void becomeActive();
    // Active to inactive.
    void resignActive();
    // To the background, resigning active first when it is active.
    void enterBackground();
    // Background to inactive.
    void enterForeground();
    // Runs the delegate's terminate entry and posts the terminate notice, once; later transitions
    // are ignored.
    void terminate();

    // Sends the application to the background as the user would; the window's host installs how
    // (it minimises the window). Without a host it enters the background at once.
    void suspend();
    void setSuspendHandler(std::function<void()> handler) { suspendHandler_ = std::move(handler); }

    // Hands a web address ("http" or "https" with a host) to the desktop's browser; any other text
    // opens nothing. True when it was handed on.
    bool openURL(const std::string& address);
    // Replaces how addresses are handed on (tests record them); an empty handler restores the desktop's.
    using URLOpener = std::function<bool(const std::string& address)>;
    void setURLOpener(URLOpener opener) { urlOpener_ = std::move(opener); }

    // Asks the system to show this application's page of its settings. A desktop has no such page:
    // the request is logged and counted, and the answer is false (nothing opened).
    bool openSettings();
    // How many times openSettings() was asked since the last reset.
    int settingsRequestCount() const { return settingsRequests_; }

    // Forgets the state, the delegate, the suspend handler, the settings requests and the URL opener
    // (tests).
    void reset();

private:
    ApplicationState state_ = ApplicationState::inactive;
    bool launched_ = false;
    bool terminated_ = false;
    std::shared_ptr<IApplicationDelegate> delegate_;
    std::function<void()> suspendHandler_;
    URLOpener urlOpener_;
    int settingsRequests_ = 0;
};

} // namespace ui
