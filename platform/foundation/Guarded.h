#pragma once

#include <mutex>
#include <type_traits>
#include <utility>

namespace foundation {

// A value shared between threads. It is reached only under its mutex, so no reader meets a
// half-written value; readers that keep it take a whole copy.
template <class T>
class Guarded {
public:
    Guarded() = default;
    explicit Guarded(T value) : value_(std::move(value)) {}
    Guarded(const Guarded&) = delete;
    Guarded& operator=(const Guarded&) = delete;

    // Runs `access` on the value with the mutex held. It must not reach this Guarded again.
    template <class F>
    decltype(auto) withLock(F&& access)
    {
        std::lock_guard lock(mutex_);
        return std::forward<F>(access)(value_);
    }

    template <class F>
    decltype(auto) withLock(F&& access) const
    {
        std::lock_guard lock(mutex_);
        return std::forward<F>(access)(std::as_const(value_));
    }

    T copy() const
    {
        std::lock_guard lock(mutex_);
        return value_;
    }

    void set(T value)
    {
        std::lock_guard lock(mutex_);
        value_ = std::move(value);
    }

private:
    mutable std::mutex mutex_;
    T value_{};
};

} // namespace foundation
