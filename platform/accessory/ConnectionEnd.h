#pragma once

#include <atomic>
#include <functional>

namespace accessory {

// The end of one connection, told once to the backend that lists the accessory, whichever of the
// session's two streams notices it first and on whichever thread.
class ConnectionEnd {
public:
    explicit ConnectionEnd(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {}

    void signal()
    {
        if (!signalled_.exchange(true) && onEnd_)
            onEnd_();
    }

private:
    const std::function<void()> onEnd_;
    std::atomic<bool> signalled_{false};
};

} // namespace accessory
