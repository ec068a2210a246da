#include "foundation/QtRunLoop.h"

#include <QMetaObject>
#include <QObject>
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
