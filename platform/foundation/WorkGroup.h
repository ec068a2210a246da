#pragma once

#include "foundation/Clock.h"
#include "foundation/Timer.h"

#include <functional>
#include <memory>
#include <vector>

namespace foundation {

// Work that others wait for with a time limit, counted as it starts and ends. A wait never blocks a
// thread: its continuation is posted to the main loop once the group is empty or the limit has
// passed, whichever comes first, or when the group is destroyed. Main thread only.
class WorkGroup {
public:
    WorkGroup() = default;
    WorkGroup(const WorkGroup&) = delete;
    WorkGroup& operator=(const WorkGroup&) = delete;
    ~WorkGroup();

    void enter();
    void leave();
    bool isEmpty() const { return pending_ == 0; }

    // Posts `then` to the main loop when the group is empty, at the latest `timeout` from now.
    void notify(Seconds timeout, std::function<void()> then);

private:
    struct Waiter {
        TimerRef deadline;
        std::function<void()> then;
    };
    void release(std::vector<std::shared_ptr<Waiter>>::iterator waiter);

    int pending_ = 0;
    std::vector<std::shared_ptr<Waiter>> waiters_;
};

} // namespace foundation
