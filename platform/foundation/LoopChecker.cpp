#include "foundation/LoopChecker.h"

#include "foundation/ClassName.h"
#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"

#include <string>

#ifndef TOLVANE_LOOP_CHECKS
#define TOLVANE_LOOP_CHECKS 0
#endif

namespace foundation {

LoopChecker::LoopChecker()
    : loop_(RunLoop::current()),
      thread_(std::this_thread::get_id()),
      boundToMain_(loop_ && RunLoop::hasMain() && loop_ == &RunLoop::main())
{
}

bool LoopChecker::isBoundHere() const
{
    // Bound to the main loop's role rather than to one loop object, since the main loop may be
    // replaced (a restart, or each test's virtual time) while main-thread objects live on.
    if (boundToMain_)
        return RunLoop::hasMain() ? RunLoop::main().isCurrent() : std::this_thread::get_id() == thread_;
    if (loop_)
        return RunLoop::current() == loop_;
    return std::this_thread::get_id() == thread_;
}

bool LoopChecker::isEnabled()
{
    return TOLVANE_LOOP_CHECKS;
}

void LoopChecker::check([[maybe_unused]] std::string_view owner, [[maybe_unused]] std::source_location caller) const
{
#if TOLVANE_LOOP_CHECKS
    if (isBoundHere())
        return;
    const RunLoop* current = RunLoop::current();
    std::string message(owner);
    message += " was called on ";
    message += current ? "the loop \"" + current->name() + "\"" : std::string("a thread without a run loop");
    message += ", not on the loop it belongs to";
    fatalError(message, caller);
#endif
}

void LoopChecker::check([[maybe_unused]] const std::type_info& owner, [[maybe_unused]] std::source_location caller) const
{
#if TOLVANE_LOOP_CHECKS
    if (!isBoundHere())
        check(className(owner), caller);
#endif
}

} // namespace foundation
