#pragma once

#include "foundation/RunLoop.h"

#include <atomic>
#include <memory>

class QObject;
class QSocketNotifier;
class QThread;

namespace foundation {

// A run loop driven by the Qt event loop of one thread. Its timers wait on a timer descriptor, so
// they fire to the microsecond rather than to Qt's millisecond. It is woken through an event
// descriptor rather than a posted Qt event: no allocation per wake-up, and the hand-over from the
// waking thread is one ThreadSanitizer sees.
class QtRunLoop final : public RunLoop {
public:
    // `thread` is the Qt thread whose event loop runs this loop.
    QtRunLoop(std::string name, const Clock& clock, QThread* thread);
    ~QtRunLoop() override;

    const Clock& clock() const override { return clock_; }

protected:
    void wake() override;
    bool attachFdWatch(const FdWatchRef& watch) override;

private:
    void pass();

    const Clock& clock_;
    QObject* context_;
    int timerFd_;
    int wakeFd_;
    QSocketNotifier* timerNotifier_;
    QSocketNotifier* wakeNotifier_;
    std::atomic<bool> wakePending_{false};
};

} // namespace foundation
