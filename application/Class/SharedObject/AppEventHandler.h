#pragma once

#include "foundation/NotificationCenter.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::app {

class TolvaneIntegrationAppAppDelegate;

// Turns the application's six lifecycle notices into the lifecycle bodies of the shared delegate.
// It is what drives the bodies when a host owns the application, and the only source of the
// become-active body on both roads. Main thread only.
class AppEventHandler {
public:
    static AppEventHandler& shared();
    // The shared delegate object, made on first use.
    static std::shared_ptr<TolvaneIntegrationAppAppDelegate> eventHandlerDelegate();

    // Ends any earlier observation, then follows the six notices again.
    void startObserving();
    void didFinishLaunch();
    void willEnterForeground();
    void didBecomeActive();
    void didEnterBackground();
    void willResignActive();
    // The terminate body, after which no notice is followed until observing starts again.
    void willTerminate();
    void removeObserver();

    // Posted when the application resigns active with the link in use: screens show the blank screen.
    const std::string eventTransitToBlank = "TolvaneControl_eventTransitToBlank";

private:
    AppEventHandler() = default;

    std::vector<foundation::NotificationCenter::Observation> cancellables;
};

} // namespace tolvane::app
