#include "foundation/NotificationCenter.h"

#include <utility>
#include <vector>

namespace foundation {

NotificationCenter::NotificationCenter() : self_(std::make_shared<NotificationCenter*>(this)) {}

NotificationCenter::~NotificationCenter() = default;

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

NotificationCenter::Observation NotificationCenter::addObserver(std::string name, std::function<void()> block)
{
    std::lock_guard lock(mutex_);
    const uint64_t id = nextId_++;
    observers_.emplace(id, Entry{std::move(name), std::make_shared<std::function<void()>>(std::move(block))});
    return Observation(self_, id);
}

void NotificationCenter::post(const std::string& name)
{
    std::vector<std::pair<uint64_t, std::shared_ptr<std::function<void()>>>> blocks;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [id, entry] : observers_)
            if (entry.name == name)
                blocks.emplace_back(id, entry.block);
    }
    // Outside the lock, so an observer may post, observe or stop observing; an earlier observer of
    // this notice may have ended a later one (a screen that left), which then must not run.
    for (const auto& [id, block] : blocks)
        if (isObserving(id))
            (*block)();
}

bool NotificationCenter::isObserving(uint64_t id)
{
    std::lock_guard lock(mutex_);
    return observers_.contains(id);
}

void NotificationCenter::remove(uint64_t id)
{
    std::lock_guard lock(mutex_);
    observers_.erase(id);
}

void NotificationCenter::Observation::reset()
{
    if (auto center = center_.lock())
        (*center)->remove(id_);
    center_.reset();
}

} // namespace foundation
