#include "foundation/QtRunLoop.h"

#include "foundation/FatalError.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>

#include <cmath>
#include <cstdint>

#include <sys/eventfd.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace foundation {
namespace {

void closeDescriptors(int timerFd, int wakeFd)
{
    ::close(timerFd);
    ::close(wakeFd);
}

} // namespace

QtRunLoop::QtRunLoop(std::string name, const Clock& clock, QThread* thread)
    : RunLoop(std::move(name)),
      clock_(clock),
      context_(new QObject),
      timerFd_(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)),
      wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)),
      timerNotifier_(new QSocketNotifier(timerFd_, QSocketNotifier::Read, context_)),
      wakeNotifier_(new QSocketNotifier(wakeFd_, QSocketNotifier::Read, context_))
{
    if (timerFd_ < 0)
        fatalError("no timer descriptor for a run loop");
    if (wakeFd_ < 0)
        fatalError("no wake-up descriptor for a run loop");
    QObject::connect(timerNotifier_, &QSocketNotifier::activated, context_, [this] {
        uint64_t expirations = 0;
        [[maybe_unused]] const ssize_t read = ::read(timerFd_, &expirations, sizeof expirations);
        pass();
    });
    QObject::connect(wakeNotifier_, &QSocketNotifier::activated, context_, [this] {
        // Cleared before the pass: a wake-up that comes during it counts again and is not lost.
        eventfd_t wakes = 0;
        ::eventfd_read(wakeFd_, &wakes);
        wakePending_.store(false);
        pass();
    });
    context_->moveToThread(thread);
}

QtRunLoop::~QtRunLoop()
{
    // Once the thread has ended nothing would run a deferred deletion. A loop kept past its thread
    // object has no thread at all.
    QThread* owner = context_->thread();
    if (!owner || owner == QThread::currentThread() || !owner->isRunning()) {
        delete context_;
        closeDescriptors(timerFd_, wakeFd_);
    } else {
        // The descriptors go with the notifiers that wait on them, on those notifiers' thread.
        QObject::connect(context_, &QObject::destroyed, [timerFd = timerFd_, wakeFd = wakeFd_] {
            closeDescriptors(timerFd, wakeFd);
        });
        context_->deleteLater();
    }
}

void QtRunLoop::wake()
{
    if (wakePending_.exchange(true))
        return;
    ::eventfd_write(wakeFd_, 1);
}

bool QtRunLoop::attachFdWatch(const FdWatchRef& watch)
{
    // A notifier belongs to the thread it waits on; watches are made there.
    if (QThread::currentThread() != context_->thread())
        fatalError("a descriptor watch must be made on the thread of its run loop");
    const auto type = watch->condition() == FdCondition::readable ? QSocketNotifier::Read : QSocketNotifier::Write;
    QPointer<QSocketNotifier> notifier = new QSocketNotifier(watch->fd(), type, context_);
    std::weak_ptr<FdWatch> weakWatch = watch;
    QObject::connect(notifier, &QSocketNotifier::activated, context_, [this, weakWatch] {
        RunLoop::setCurrentForThisThread(this);
        if (auto watch = weakWatch.lock())
            watch->notify();
    });
    QPointer<QObject> context = context_;
    setFdWatchChangeHook(*watch, [notifier, context](FdWatch& changed) {
        const bool valid = changed.isValid();
        const bool enabled = changed.isEnabled();
        auto apply = [notifier, valid, enabled] {
            if (!notifier)
                return;
            // Switched off at once so the descriptor leaves the wait set; deleted later because this
            // may run inside the notifier's own signal.
            notifier->setEnabled(valid && enabled);
            if (!valid)
                notifier->deleteLater();
        };
        if (!context)
            return;
        if (QThread::currentThread() == context->thread())
            apply();
        else
            QMetaObject::invokeMethod(context, apply, Qt::QueuedConnection);
    });
    notifier->setEnabled(watch->isEnabled());
    return true;
}

void QtRunLoop::pass()
{
    RunLoop::setCurrentForThisThread(this);
    runOnePass();
    if (hasPendingTasks()) {
        wake();
        return;
    }
    itimerspec due{};
    if (auto next = nextTimerDate()) {
        // At least a nanosecond: a zero time would disarm the descriptor instead of firing it. At
        // most a day, so a far-off date never overflows the conversion; the loop arms again then.
        constexpr double longestWait = 86400.0;
        double wait = *next - clock_.now();
        if (!(wait < longestWait))
            wait = longestWait;
        const auto nanoseconds = static_cast<int64_t>(std::max(1.0, std::ceil(wait * 1e9)));
        due.it_value.tv_sec = static_cast<time_t>(nanoseconds / 1'000'000'000);
        due.it_value.tv_nsec = static_cast<long>(nanoseconds % 1'000'000'000);
    }
    ::timerfd_settime(timerFd_, 0, &due, nullptr);
}

} // namespace foundation
