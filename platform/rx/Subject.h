#pragma once

#include "rx/Publisher.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace rx {
namespace detail {

// The subscriber list of a subject. Delivery walks a snapshot, so a subscriber may send, subscribe
// or cancel while a value is being delivered.
template <class T>
class SubscriberList {
public:
    struct Entry {
        typename Publisher<T>::Receiver receiver;
        std::atomic<bool> active{true};
    };
    using EntryRef = std::shared_ptr<Entry>;

    EntryRef add(typename Publisher<T>::Receiver receiver)
    {
        auto entry = std::make_shared<Entry>();
        entry->receiver = std::move(receiver);
        std::lock_guard lock(mutex_);
        entries_.push_back(entry);
        return entry;
    }

    void remove(const EntryRef& entry)
    {
        entry->active.store(false);
        std::lock_guard lock(mutex_);
        entries_.erase(std::remove(entries_.begin(), entries_.end(), entry), entries_.end());
    }

    std::vector<EntryRef> snapshot() const
    {
        std::lock_guard lock(mutex_);
        return entries_;
    }

    static void deliver(const std::vector<EntryRef>& entries, const T& value)
    {
        for (const auto& entry : entries)
            if (entry->active.load())
                entry->receiver(value);
    }

    static Cancellable cancellableFor(const std::shared_ptr<SubscriberList>& list, const EntryRef& entry)
    {
        std::weak_ptr<SubscriberList> weakList = list;
        return Cancellable([weakList, entry] {
            entry->active.store(false);
            if (auto list = weakList.lock())
                list->remove(entry);
        });
    }

private:
    mutable std::mutex mutex_;
    std::vector<EntryRef> entries_;
};

} // namespace detail

// A subject without a value: subscribers see only what is sent after they subscribed.
template <class T>
class PassthroughSubject {
public:
    PassthroughSubject() : subscribers_(std::make_shared<detail::SubscriberList<T>>()) {}

    void send(const T& value) const { detail::SubscriberList<T>::deliver(subscribers_->snapshot(), value); }

    Publisher<T> publisher() const
    {
        auto subscribers = subscribers_;
        return Publisher<T>([subscribers](typename Publisher<T>::Receiver receiver) {
            auto entry = subscribers->add(std::move(receiver));
            return detail::SubscriberList<T>::cancellableFor(subscribers, entry);
        });
    }

private:
    std::shared_ptr<detail::SubscriberList<T>> subscribers_;
};

// A subject with a current value: a new subscriber receives the current value at once, then every
// later one. Sending stores the value, then delivers it synchronously on the sending thread.
template <class T>
class CurrentValueSubject {
public:
    explicit CurrentValueSubject(T initial) : state_(std::make_shared<State>(std::move(initial))) {}

    T value() const
    {
        std::lock_guard lock(state_->mutex);
        return state_->value;
    }

    void send(const T& value) const
    {
        {
            std::lock_guard lock(state_->mutex);
            state_->value = value;
        }
        detail::SubscriberList<T>::deliver(state_->subscribers->snapshot(), value);
    }

    Publisher<T> publisher() const
    {
        auto state = state_;
        return Publisher<T>([state](typename Publisher<T>::Receiver receiver) {
            auto entry = state->subscribers->add(receiver);
            T current = [&] {
                std::lock_guard lock(state->mutex);
                return state->value;
            }();
            auto cancellable = detail::SubscriberList<T>::cancellableFor(state->subscribers, entry);
            if (entry->active.load())
                receiver(current);
            return cancellable;
        });
    }

private:
    struct State {
        explicit State(T initial) : value(std::move(initial)) {}
        mutable std::mutex mutex;
        T value;
        std::shared_ptr<detail::SubscriberList<T>> subscribers = std::make_shared<detail::SubscriberList<T>>();
    };
    std::shared_ptr<State> state_;
};

// A published property: reads and writes a value and offers it as a stream that replays it.
template <class T>
using Published = CurrentValueSubject<T>;

} // namespace rx
