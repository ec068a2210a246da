#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace foundation {

enum class FdCondition { readable, writable };

// Readiness of one file descriptor, reported on the run loop that watches it. A watch is made,
// switched and cancelled on that loop's thread, and its handler runs there; it never closes the
// descriptor, which stays its owner's.
class FdWatch {
public:
    using Handler = std::function<void()>;

    FdWatch(int fd, FdCondition condition, Handler handler);
    ~FdWatch();
    FdWatch(const FdWatch&) = delete;
    FdWatch& operator=(const FdWatch&) = delete;

    int fd() const { return fd_; }
    FdCondition condition() const { return condition_; }

    // A disabled watch stays registered but reports nothing: writers switch it on only while they
    // wait for space, since a writable socket is ready almost always.
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_.load() && valid_.load(); }

    // Ends the watch for good; the handler never runs again.
    void cancel();
    bool isValid() const { return valid_.load(); }

    // Runs the handler when the watch is valid and enabled. Called by the loop.
    void notify();

private:
    friend class RunLoop;
    using ChangeHook = std::function<void(FdWatch&)>;
    void setChangeHook(ChangeHook hook);
    void changed();

    const int fd_;
    const FdCondition condition_;
    const Handler handler_;
    std::atomic<bool> enabled_{true};
    std::atomic<bool> valid_{true};
    std::mutex hookMutex_;
    ChangeHook hook_; // lets a loop that waits through its own event loop follow the state
};

using FdWatchRef = std::shared_ptr<FdWatch>;

} // namespace foundation
