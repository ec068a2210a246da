#pragma once

#include "foundation/Clock.h"

#include <condition_variable>
#include <mutex>

namespace foundation {

// A counting semaphore for handing a result from one thread to a thread that blocks for it.
class Semaphore {
public:
    explicit Semaphore(int count = 0) : count_(count) {}

    void signal();
    // Blocks until a signal is available and takes it.
    void wait();
    // As wait(), but gives up after `timeout` seconds of real time; false when it gave up.
    bool wait(Seconds timeout);

private:
    std::mutex mutex_;
    std::condition_variable condition_;
    int count_;
};

} // namespace foundation
