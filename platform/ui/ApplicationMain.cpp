#include "ui/ApplicationMain.h"

#include "foundation/FatalError.h"
#include "foundation/QtRunLoop.h"
#include "ui/Application.h"
#include "ui/ApplicationWindowFollower.h"
#include "ui/IApplicationDelegate.h"
#include "ui/Window.h"
#include "ui/WindowHost.h"

#include <QGuiApplication>
#include <QThread>
#include <QThreadPool>

#include <csignal>
#include <cstdio>

#include <sys/signalfd.h>
#include <unistd.h>

namespace ui {
namespace {

// SIGTERM and SIGINT arrive as readable data on the main loop instead of interrupting it.
class StopSignals {
public:
    StopSignals()
    {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGINT);
        sigaddset(&signals_, SIGTERM);
        sigprocmask(SIG_BLOCK, &signals_, nullptr);
        fd_ = ::signalfd(-1, &signals_, SFD_NONBLOCK | SFD_CLOEXEC);
    }
    ~StopSignals()
    {
        if (watch_)
            watch_->cancel();
        ::close(fd_);
    }

    void onSignal(foundation::RunLoop& loop, std::function<void()> handler)
    {
        watch_ = loop.watchFd(fd_, foundation::FdCondition::readable, [this, handler = std::move(handler)] {
            signalfd_siginfo info;
            while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
            }
            handler();
        });
    }

private:
    sigset_t signals_;
    int fd_ = -1;
    foundation::FdWatchRef watch_;
};

// Shows the delegate's window and runs the main loop until the application terminates.
int runUntilTerminated(Application& application, foundation::RunLoop& mainLoop, StopSignals& stopSignals, const ApplicationOptions& options)
{
    const std::shared_ptr<Window> window = application.delegate()->window();
    if (!window)
        foundation::fatalError("the application delegate has no window");
    window->makeKeyAndVisible();

    WindowHost host(window);
    ApplicationWindowFollower follower(host, application);
    stopSignals.onSignal(mainLoop, [&follower] { follower.terminate(); });
    application.setSuspendHandler([&host, &application] {
        host.showMinimized();
        application.enterBackground();
    });
    foundation::TimerRef screenshotTimer;
    if (!options.screenshotPath.empty()) {
        screenshotTimer = mainLoop.scheduleTimer(options.screenshotDelay, false, [&](foundation::Timer&) {
            const bool saved = host.renderFrame().save(QString::fromStdString(options.screenshotPath));
            std::fprintf(saved ? stdout : stderr, "%s the first screen to %s\n", saved ? "Wrote" : "Could not write",
                         options.screenshotPath.c_str());
            std::fflush(stdout);
            if (options.quitAfterScreenshot)
                follower.terminate();
        });
    }
    host.show();
    const int status = QGuiApplication::exec();
    application.setSuspendHandler({});
    if (screenshotTimer)
        screenshotTimer->invalidate();
    return status;
}

} // namespace

int applicationMain(int argc, char** argv, std::shared_ptr<IApplicationDelegate> delegate, ApplicationOptions options)
{
    StopSignals stopSignals;
    QGuiApplication qtApplication(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // The raster painter hands each large fill (a gradient, a scaled picture) to Qt's global pool a
    // piece per thread and waits for them. For a phone-sized window redrawn 60 times a second,
    // waking several threads for every fill costs more than the fill itself: one helper keeps the
    // hand-over small. Nothing else here uses that pool.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    const foundation::SystemClock clock;
    auto mainLoop = std::make_shared<foundation::QtRunLoop>("main", clock, QThread::currentThread());
    foundation::RunLoop::setMain(mainLoop.get());

    Application& application = Application::shared();
    application.setDelegate(delegate);
    int status = 1;
    if (application.launch())
        status = runUntilTerminated(application, *mainLoop, stopSignals, options);
    else
        std::fprintf(stderr, "The application did not launch.\n");
    // Every run ends the same way, a failed launch too: what the application started ends while Qt
    // and the main loop still exist.
    if (options.willExit) {
        options.willExit();
        QCoreApplication::processEvents();
    }
    foundation::RunLoop::setMain(nullptr);
    return status;
}

} // namespace ui
