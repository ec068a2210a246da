#include "foundation/WorkerThread.h"

#include "foundation/QtRunLoop.h"
#include "foundation/ThreadName.h"

#include <QCoreApplication>
#include <QThread>

#include <sys/resource.h>
#include <unistd.h>
#include <sys/syscall.h>

#include <algorithm>
#include <cmath>
#include <future>

namespace foundation {

WorkerThread::WorkerThread(std::string fullName, double priority, const Clock& clock)
    : name_(std::move(fullName)), priority_(priority), clock_(clock)
{
}

int WorkerThread::addedNiceness(double priority)
{
    return static_cast<int>(std::lround((1.0 - std::clamp(priority, 0.0, 1.0)) * 10.0));
}

WorkerThread::~WorkerThread()
{
    stop();
}

void WorkerThread::start()
{
    if (thread_)
        return;
    // The loop is made before the thread starts, so the start orders its making before every pass
    // in a way ThreadSanitizer sees too.
    thread_ = std::make_unique<QThread>();
    loop_ = std::make_shared<QtRunLoop>(name_, clock_, thread_.get());
    ended_ = std::make_shared<std::atomic<bool>>(false);
    QObject::connect(thread_.get(), &QThread::finished, thread_.get(), [ended = ended_] {
        // Qt deletes what was left to deferred deletion only after this signal, touching the loop's
        // objects; done here, it comes before the mark too.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ended->store(true, std::memory_order_release);
    }, Qt::DirectConnection);
    thread_->start();
    std::promise<void> ready;
    loop_->post([this, &ready] {
        setCurrentThreadName(name_);
        // A thread starts with the niceness of the one that made it; only raising it needs no
        // privilege, so priority 1.0 keeps it and every tenth below adds one.
        const auto self = static_cast<id_t>(syscall(SYS_gettid));
        const int inherited = getpriority(PRIO_PROCESS, self);
        setpriority(PRIO_PROCESS, self, inherited + addedNiceness(priority_));
        ready.set_value();
    });
    ready.get_future().wait();
}

void WorkerThread::stop()
{
    if (!thread_)
        return;
    // Quitting at once would end the event loop after the current task and drop the ones waiting
    // behind it; queued behind them, the quit lets them run first.
    loop_->post([thread = thread_.get()] { thread->quit(); });
    thread_->wait();
    ended_->load(std::memory_order_acquire);
    loop_.reset();
    thread_.reset();
}

void WorkerThread::quit()
{
    if (thread_)
        thread_->quit();
}

bool WorkerThread::isRunning() const
{
    return thread_ && thread_->isRunning();
}

RunLoop& WorkerThread::loop()
{
    return *loop_;
}

} // namespace foundation
