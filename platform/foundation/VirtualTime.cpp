#include "foundation/VirtualTime.h"

#include <algorithm>

namespace foundation {

class VirtualRunLoop final : public RunLoop {
public:
    VirtualRunLoop(std::string name, const VirtualTime& time) : RunLoop(std::move(name)), time_(time) {}
    const Clock& clock() const override { return time_; }

protected:
    void wake() override {}

private:
    const VirtualTime& time_;
};

VirtualTime::VirtualTime(Seconds start)
    : now_(start), wallStart_(std::chrono::sys_days{std::chrono::year{2026} / 1 / 1}), start_(start)
{
    main_ = std::make_shared<VirtualRunLoop>("main", *this);
    loops_.push_back(main_);
    RunLoop::setMain(main_.get());
    // A sleeping loop runs nothing until its sleep is over; the others go on as their threads would.
    previousSleeper_ = setSleeper([this](Seconds seconds) {
        const RunLoop* sleeping = RunLoop::current();
        advanceTo(now() + std::max<Seconds>(seconds, 0), sleeping);
    });
}

VirtualTime::~VirtualTime()
{
    setSleeper(std::move(previousSleeper_));
    if (RunLoop::hasMain() && &RunLoop::main() == main_.get())
        RunLoop::setMain(nullptr);
}

Seconds VirtualTime::now() const
{
    std::lock_guard lock(mutex_);
    return now_;
}

Date VirtualTime::wallNow() const
{
    std::lock_guard lock(mutex_);
    return wallStart_ + std::chrono::duration_cast<Date::duration>(std::chrono::duration<double>(now_ - start_));
}

void VirtualTime::setWallStart(Date date)
{
    std::lock_guard lock(mutex_);
    wallStart_ = date;
    start_ = now_;
}

RunLoop& VirtualTime::mainLoop()
{
    return *main_;
}

std::shared_ptr<RunLoop> VirtualTime::makeLoop(std::string name)
{
    auto loop = std::make_shared<VirtualRunLoop>(std::move(name), *this);
    std::lock_guard lock(mutex_);
    loops_.push_back(loop);
    return loop;
}

std::vector<std::shared_ptr<RunLoop>> VirtualTime::loopsSnapshot(const RunLoop* except) const
{
    std::lock_guard lock(mutex_);
    std::vector<std::shared_ptr<RunLoop>> loops;
    for (const auto& weak : loops_)
        if (auto loop = weak.lock(); loop && loop.get() != except)
            loops.push_back(std::move(loop));
    return loops;
}

void VirtualTime::runUntilIdle()
{
    runUntilIdle(nullptr);
}

void VirtualTime::runUntilIdle(const RunLoop* except)
{
    // Bounded so that a task that re-posts itself forever fails the test instead of hanging it.
    for (int pass = 0; pass < 1'000'000; ++pass) {
        bool didWork = false;
        for (const auto& loop : loopsSnapshot(except))
            didWork = loop->runOnePass() || didWork;
        if (!didWork)
            return;
    }
}

void VirtualTime::advance(Seconds delta)
{
    advanceTo(now() + std::max<Seconds>(delta, 0));
}

void VirtualTime::advanceTo(Seconds date)
{
    advanceTo(date, nullptr);
}

void VirtualTime::advanceWhileBlocked(const RunLoop& blocked, Seconds delta)
{
    advanceTo(now() + std::max<Seconds>(delta, 0), &blocked);
}

void VirtualTime::advanceTo(Seconds date, const RunLoop* except)
{
    runUntilIdle(except);
    for (;;) {
        std::optional<Seconds> next;
        for (const auto& loop : loopsSnapshot(except))
            if (auto date = loop->nextTimerDate(); date && (!next || *date < *next))
                next = date;
        if (!next || *next > date)
            break;
        {
            std::lock_guard lock(mutex_);
            now_ = std::max(now_, *next);
        }
        runUntilIdle(except);
    }
    {
        std::lock_guard lock(mutex_);
        now_ = std::max(now_, date);
    }
    runUntilIdle(except);
}

} // namespace foundation
