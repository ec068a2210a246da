#include "Class/SharedObject/AppEventHandler.h"

#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"

#include <mutex>

namespace tolvane::app {

AppEventHandler& AppEventHandler::shared()
{
    static AppEventHandler handler;
    return handler;
}

std::shared_ptr<TolvaneIntegrationAppAppDelegate> AppEventHandler::eventHandlerDelegate()
{
    static std::mutex mutex;
    static std::shared_ptr<TolvaneIntegrationAppAppDelegate> delegate;
    std::lock_guard lock(mutex);
    if (!delegate)
        delegate = std::make_shared<TolvaneIntegrationAppAppDelegate>();
    return delegate;
}

} // namespace tolvane::app
