#include "ui/Application.h"

#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "foundation/SystemLog.h"
#include "ui/IApplicationDelegate.h"

#include <QDesktopServices>
#include <QUrl>

namespace ui {
namespace {

void post(const char* name)
{
    foundation::NotificationCenter::defaultCenter().post(name);
}

} // namespace

Application& Application::shared()
{
    static Application application;
    return application;
}

bool Application::launch()
{
    foundation::assertOnMainLoop("Application::launch");
    if (launched_ || terminated_)
        return true;
    launched_ = true;
    const bool launched = !delegate_ || delegate_->applicationDidFinishLaunching(*this);
    post(didFinishLaunchingNotification);
    return launched;
}

void Application::becomeActive()
{
    if (terminated_ || state_ == ApplicationState::active)
        return;
    if (state_ == ApplicationState::background)
        enterForeground();
    state_ = ApplicationState::active;
    post(didBecomeActiveNotification);
}

void Application::resignActive()
{
    if (terminated_ || state_ != ApplicationState::active)
        return;
    if (delegate_)
        delegate_->applicationWillResignActive(*this);
    post(willResignActiveNotification);
    state_ = ApplicationState::inactive;
}

void Application::enterBackground()
{
    if (terminated_ || state_ == ApplicationState::background)
        return;
    resignActive();
    state_ = ApplicationState::background;
    if (delegate_)
        delegate_->applicationDidEnterBackground(*this);
    post(didEnterBackgroundNotification);
}

void Application::enterForeground()
{
    if (terminated_ || state_ != ApplicationState::background)
        return;
    if (delegate_)
        delegate_->applicationWillEnterForeground(*this);
    post(willEnterForegroundNotification);
    state_ = ApplicationState::inactive;
}

void Application::terminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    if (delegate_)
        delegate_->applicationWillTerminate(*this);
    post(willTerminateNotification);
}

void Application::suspend()
{
    if (suspendHandler_)
        suspendHandler_();
    else
        enterBackground();
}

bool Application::openURL(const std::string& address)
{
    // Addresses come from string tables: nothing but a web page may open, and never through a shell.
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) || url.host().isEmpty())
        return false;
    if (urlOpener_)
        return urlOpener_(url.toString(QUrl::FullyEncoded).toStdString());
    return QDesktopServices::openUrl(url);
}

bool Application::openSettings()
{
    ++settingsRequests_;
    foundation::systemLog().write(foundation::SystemLogType::info, foundation::applicationIdentifier(), "ui",
                                  "Opening the settings was requested; no settings page is configured here.");
    return false;
}

void Application::reset()
{
    *this = Application();
}

} // namespace ui
