#pragma once

#include <memory>
#include <mutex>

namespace foundation {

// A process-wide service behind an interface. Start-up or a test may install another one; the
// default is made on first use and comes back when the installed one is removed.
template <class I>
class ProcessWide {
public:
    using Factory = std::shared_ptr<I> (*)();

    explicit ProcessWide(Factory makeDefault) : makeDefault_(makeDefault) {}

    std::shared_ptr<I> get()
    {
        std::lock_guard lock(mutex_);
        if (installed_)
            return installed_;
        if (!default_)
            default_ = makeDefault_();
        return default_;
    }

    // Null restores the default. Returns the service installed before, if any.
    std::shared_ptr<I> install(std::shared_ptr<I> service)
    {
        std::lock_guard lock(mutex_);
        auto previous = std::move(installed_);
        installed_ = std::move(service);
        return previous;
    }

private:
    const Factory makeDefault_;
    std::mutex mutex_;
    std::shared_ptr<I> default_;
    std::shared_ptr<I> installed_;
};

} // namespace foundation
