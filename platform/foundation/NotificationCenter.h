#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace foundation {

// Named notices within the process. A post reaches every observer of its name at once, on the
// posting thread, in the order they were added. An observer added while a notice is delivered
// hears the next one; one removed meanwhile hears no more, not even the rest of that notice.
class NotificationCenter {
public:
    // Ends its observation when dropped or reset.
    class Observation {
    public:
        Observation() = default;
        Observation(Observation&& other) noexcept { *this = std::move(other); }
        Observation& operator=(Observation&& other) noexcept
        {
            if (this != &other) {
                reset();
                center_ = std::move(other.center_);
                id_ = other.id_;
            }
            return *this;
        }
        ~Observation() { reset(); }
        void reset();

    private:
        friend class NotificationCenter;
        Observation(std::weak_ptr<NotificationCenter*> center, uint64_t id) : center_(std::move(center)), id_(id) {}
        std::weak_ptr<NotificationCenter*> center_;
        uint64_t id_ = 0;
    };

    NotificationCenter();
    ~NotificationCenter();
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    static NotificationCenter& defaultCenter();

    [[nodiscard]] Observation addObserver(std::string name, std::function<void()> block);
    void post(const std::string& name);

private:
    void remove(uint64_t id);

    struct Entry {
        std::string name;
        std::shared_ptr<std::function<void()>> block;
    };
    bool isObserving(uint64_t id);
    std::mutex mutex_;
    std::map<uint64_t, Entry> observers_;
    uint64_t nextId_ = 1;
    std::shared_ptr<NotificationCenter*> self_;
};

} // namespace foundation
