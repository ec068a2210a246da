#include "Class/SharedObject/AppEventHandler.h"

#include "Class/Model/Utility/MyLog.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"

#include "ui/Application.h"

#include <functional>
#include <mutex>
#include <string_view>
#include <utility>

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

void AppEventHandler::startObserving()
{
    cancellables.clear();
    const std::pair<const char*, void (AppEventHandler::*)()> reactions[] = {
        {ui::Application::didFinishLaunchingNotification, &AppEventHandler::didFinishLaunch},
        {ui::Application::willEnterForegroundNotification, &AppEventHandler::willEnterForeground},
        {ui::Application::didBecomeActiveNotification, &AppEventHandler::didBecomeActive},
        {ui::Application::didEnterBackgroundNotification, &AppEventHandler::didEnterBackground},
        {ui::Application::willResignActiveNotification, &AppEventHandler::willResignActive},
        {ui::Application::willTerminateNotification, &AppEventHandler::willTerminate},
    };
    for (const auto& [name, reaction] : reactions) {
        cancellables.push_back(foundation::NotificationCenter::defaultCenter().addObserver(
            name, [this, name = std::string(name), reaction = reaction] {
                myLog(kLifecycleTag, name + " 被触发");
                (this->*reaction)();
            }));
    }
}

void AppEventHandler::didFinishLaunch()
{
    myLog(kLifecycleTag, "didFinishLaunch 被调用");
}

void AppEventHandler::willEnterForeground()
{
    eventHandlerDelegate()->applicationWillEnterForeground();
}

void AppEventHandler::didBecomeActive()
{
    eventHandlerDelegate()->applicationDidBecomeActive();
}

void AppEventHandler::didEnterBackground()
{
    eventHandlerDelegate()->applicationDidEnterBackground();
}

void AppEventHandler::willResignActive()
{
    eventHandlerDelegate()->applicationWillResignActive();
}

void AppEventHandler::willTerminate()
{
    const auto delegate = eventHandlerDelegate();
    myLog("App生命周期", "(AppEventHandler)willTerminate");
    delegate->applicationWillTerminate();
    // The observation that delivers this notice ends with the others; the centre keeps its block
    // alive until the delivery is over.
    cancellables.clear();
}

void AppEventHandler::removeObserver()
{
    willTerminate();
}

} // namespace tolvane::app
