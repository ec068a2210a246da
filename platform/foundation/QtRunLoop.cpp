#include "foundation/QtRunLoop.h"

#include "foundation/FatalError.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <cmath>

namespace foundation {

QtRunLoop::QtRunLoop(std::string name, const Clock& clock, QThread* thread)
    : RunLoop(std::move(name)), clock_(clock), context_(new QObject), timer_(new QTimer(context_))
{
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, context_, [this] { pass(); });
    context_->moveToThread(thread);
}

QtRunLoop::~QtRunLoop()
{
    // Once the thread has ended nothing would run a deferred deletion; its pending wake-ups go too.
    QThread* owner = context_->thread();
    if (owner == QThread::currentThread() || !owner->isRunning())
        delete context_;
    else
        context_->deleteLater();
}

void QtRunLoop::wake()
{
    if (wakePending_.exchange(true))
        return;
    QMetaObject::invokeMethod(context_, [this] {
        wakePending_.store(false);
        pass();
    }, Qt::QueuedConnection);
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
    if (auto next = nextTimerDate()) {
        const double ms = std::max(0.0, (*next - clock_.now()) * 1000.0);
        timer_->start(std::chrono::milliseconds(static_cast<long long>(std::ceil(ms))));
    } else {
        timer_->stop();
    }
}

} // namespace foundation
