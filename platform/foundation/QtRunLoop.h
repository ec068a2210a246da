#pragma once

#include "foundation/RunLoop.h"

#include <atomic>
#include <memory>

class QObject;
class QTimer;
class QThread;

namespace foundation {

// A run loop driven by the Qt event loop of one thread.
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
    QTimer* timer_;
    std::atomic<bool> wakePending_{false};
};

} // namespace foundation
