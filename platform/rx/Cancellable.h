#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace rx {

// A subscription's handle: cancels the subscription when cancelled or destroyed.
class Cancellable {
public:
    Cancellable() = default;
    explicit Cancellable(std::function<void()> cancel) : cancel_(std::move(cancel)) {}
    Cancellable(Cancellable&& other) noexcept : cancel_(std::exchange(other.cancel_, nullptr)) {}
    Cancellable& operator=(Cancellable&& other) noexcept
    {
        if (this != &other) {
            cancel();
            cancel_ = std::exchange(other.cancel_, nullptr);
        }
        return *this;
    }
    Cancellable(const Cancellable&) = delete;
    Cancellable& operator=(const Cancellable&) = delete;
    ~Cancellable() { cancel(); }

    void cancel()
    {
        if (auto cancel = std::exchange(cancel_, nullptr))
            cancel();
    }
    bool isActive() const { return static_cast<bool>(cancel_); }

private:
    std::function<void()> cancel_;
};

// Keeps subscriptions alive together; removeAll() cancels them all.
class CancellableSet {
public:
    void insert(Cancellable cancellable) { items_.push_back(std::move(cancellable)); }
    void removeAll()
    {
        auto items = std::move(items_);
        items_.clear();
        // Destroyed here, outside the member, so a handler that re-subscribes meets an empty set.
    }
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }

private:
    std::vector<Cancellable> items_;
};

} // namespace rx
