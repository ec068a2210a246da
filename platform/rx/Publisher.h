#pragma once

#include "rx/Cancellable.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace rx {

// A type-erased stream of values. Each subscription builds its own chain, so operators with memory
// (dropFirst, removeDuplicates) keep it per subscriber. Values arrive synchronously on the sending
// thread unless the chain hops to the main loop.
template <class T>
class Publisher {
public:
    using Receiver = std::function<void(const T&)>;
    using SubscribeFunction = std::function<Cancellable(Receiver)>;

    explicit Publisher(SubscribeFunction subscribe) : subscribe_(std::move(subscribe)) {}

    [[nodiscard]] Cancellable sink(Receiver receiver) const { return subscribe_(std::move(receiver)); }

    Publisher dropFirst(size_t count = 1) const
    {
        auto upstream = subscribe_;
        return Publisher([upstream, count](Receiver receiver) {
            auto remaining = std::make_shared<std::atomic<size_t>>(count);
            return upstream([remaining, receiver](const T& value) {
                size_t left = remaining->load();
                while (left > 0) {
                    if (remaining->compare_exchange_weak(left, left - 1))
                        return;
                }
                receiver(value);
            });
        });
    }

    Publisher removeDuplicates() const
    {
        struct Memory {
            std::mutex mutex;
            std::optional<T> last;
        };
        auto upstream = subscribe_;
        return Publisher([upstream](Receiver receiver) {
            auto memory = std::make_shared<Memory>();
            return upstream([memory, receiver](const T& value) {
                {
                    std::lock_guard lock(memory->mutex);
                    if (memory->last && *memory->last == value)
                        return;
                    memory->last = value;
                }
                receiver(value);
            });
        });
    }

    template <class F>
    auto map(F transform) const -> Publisher<std::decay_t<std::invoke_result_t<F, const T&>>>
    {
        using U = std::decay_t<std::invoke_result_t<F, const T&>>;
        auto upstream = subscribe_;
        return Publisher<U>([upstream, transform](typename Publisher<U>::Receiver receiver) {
            return upstream([transform, receiver](const T& value) { receiver(transform(value)); });
        });
    }

    Publisher filter(std::function<bool(const T&)> predicate) const
    {
        auto upstream = subscribe_;
        return Publisher([upstream, predicate](Receiver receiver) {
            return upstream([predicate, receiver](const T& value) {
                if (predicate(value))
                    receiver(value);
            });
        });
    }

    // Delivers every value as a task on `post`'s loop, in order; nothing arrives after cancelling.
    template <class Poster>
    Publisher receiveOn(Poster post) const
    {
        auto upstream = subscribe_;
        return Publisher([upstream, post](Receiver receiver) {
            auto alive = std::make_shared<std::atomic<bool>>(true);
            auto inner = std::make_shared<Cancellable>(upstream([alive, receiver, post](const T& value) {
                post([alive, receiver, value] {
                    if (alive->load())
                        receiver(value);
                });
            }));
            return Cancellable([alive, inner] {
                alive->store(false);
                inner->cancel();
            });
        });
    }

private:
    SubscribeFunction subscribe_;
};

namespace detail {

template <class... Ts, size_t... I>
Publisher<std::tuple<Ts...>> combineLatestImpl(std::index_sequence<I...>, Publisher<Ts>... sources)
{
    using Tuple = std::tuple<Ts...>;
    struct State {
        std::mutex mutex;
        std::tuple<std::optional<Ts>...> latest;
    };
    return Publisher<Tuple>([sources...](typename Publisher<Tuple>::Receiver receiver) {
        auto state = std::make_shared<State>();
        auto deliverIfComplete = [state, receiver]() {
            std::optional<Tuple> ready;
            {
                std::lock_guard lock(state->mutex);
                if ((std::get<I>(state->latest).has_value() && ...))
                    ready.emplace(*std::get<I>(state->latest)...);
            }
            if (ready)
                receiver(*ready);
        };
        auto inners = std::make_shared<std::tuple<std::conditional_t<true, Cancellable, Ts>...>>();
        ((std::get<I>(*inners) = sources.sink([state, deliverIfComplete](const Ts& value) {
              {
                  std::lock_guard lock(state->mutex);
                  std::get<I>(state->latest) = value;
              }
              deliverIfComplete();
          })),
         ...);
        return Cancellable([inners] { (std::get<I>(*inners).cancel(), ...); });
    });
}

} // namespace detail

// Emits a tuple of the latest value of every source once each has emitted, and on every later value.
template <class... Ts>
Publisher<std::tuple<Ts...>> combineLatest(Publisher<Ts>... sources)
{
    static_assert(sizeof...(Ts) >= 2 && sizeof...(Ts) <= 4, "combineLatest takes two to four sources");
    return detail::combineLatestImpl<Ts...>(std::index_sequence_for<Ts...>{}, std::move(sources)...);
}

} // namespace rx
