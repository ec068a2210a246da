#pragma once

#include "foundation/Clock.h"
#include "foundation/RunLoop.h"

#include <atomic>
#include <memory>
#include <string>

class QThread;

namespace foundation {

// A named thread running a loop of its own on a Qt event loop.
class WorkerThread {
public:
    // `priority` in [0, 1]: 1.0 runs at the niceness of the thread that starts it, each tenth less
    // one step nicer (addedNiceness()), which needs no privilege.
    WorkerThread(std::string fullName, double priority, const Clock& clock);
    static int addedNiceness(double priority);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    void start();
    // Ends the thread's event loop once the tasks already posted ran, and waits for it.
    void stop();
    // Ends the thread's event loop after the current task without waiting; callable from the thread
    // itself. The object is destroyed later, from another thread.
    void quit();
    bool isRunning() const;

    RunLoop& loop();
    const std::string& name() const { return name_; }
    double priority() const { return priority_; }

private:
    const std::string name_;
    const double priority_;
    const Clock& clock_;
    std::unique_ptr<QThread> thread_;
    std::shared_ptr<RunLoop> loop_;
    // Set by the thread as its very last act, so that whoever stops it is ordered after everything
    // the thread did, in a way ThreadSanitizer sees too (it cannot see QThread::wait).
    std::shared_ptr<std::atomic<bool>> ended_;
};

} // namespace foundation
