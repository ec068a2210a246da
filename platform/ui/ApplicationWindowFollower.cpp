#include "ui/ApplicationWindowFollower.h"

#include "ui/Application.h"
#include "ui/WindowHost.h"

#include <QCoreApplication>
#include <QEvent>

namespace ui {

ApplicationWindowFollower::ApplicationWindowFollower(WindowHost& host, Application& application)
    : host_(host), application_(application)
{
    host_.installEventFilter(this);
    QObject::connect(&host_, &QWindow::activeChanged, this, [this] { follow(); });
    QObject::connect(&host_, &QWindow::windowStateChanged, this, [this] { follow(); });
    QObject::connect(&host_, &QWindow::visibleChanged, this, [this] { follow(); });
}

bool ApplicationWindowFollower::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose)
        follow();
    else if (event->type() == QEvent::Close)
        terminate();
    return QObject::eventFilter(watched, event);
}

void ApplicationWindowFollower::terminate()
{
    application_.terminate();
    QCoreApplication::quit();
}

void ApplicationWindowFollower::follow()
{
    if (application_.isTerminated())
        return;
    // Until the window is first on screen it is not hidden, only not shown yet.
    if (!exposedOnce_ && !host_.isExposed())
        return;
    exposedOnce_ = true;
    if (!host_.isVisible() || !host_.isExposed() || host_.windowState() == Qt::WindowMinimized) {
        application_.enterBackground();
        return;
    }
    if (host_.isActive())
        focused_ = true;
    if (host_.isActive() || !focused_)
        application_.becomeActive();
    else if (application_.applicationState() == ApplicationState::background)
        application_.enterForeground();
    else
        application_.resignActive();
}

} // namespace ui
