#pragma once

#include <memory>
#include <string>

namespace tolvane::app {

class TolvaneIntegrationAppAppDelegate;

// Follows the application's lifecycle notices and runs the lifecycle bodies on the shared delegate.
class AppEventHandler {
public:
    static AppEventHandler& shared();
    // The shared delegate object, made on first use.
    static std::shared_ptr<TolvaneIntegrationAppAppDelegate> eventHandlerDelegate();

    // Posted when the application resigns active with the link in use: screens show the blank screen.
    const std::string eventTransitToBlank = "TolvaneControl_eventTransitToBlank";

private:
    AppEventHandler() = default;
};

} // namespace tolvane::app
