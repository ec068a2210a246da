#pragma once

#include <source_location>
#include <string_view>
#include <thread>
#include <typeinfo>

namespace foundation {

class RunLoop;

// Binds an object to the run loop that made it, so a call from another thread stops at once
// instead of racing quietly. The check runs in debug and test builds (TOLVANE_LOOP_CHECKS) and
// returns at once otherwise. An object made where no loop runs is bound to its thread instead.
class LoopChecker {
public:
    LoopChecker();

    // Ends the process, naming `owner` and the caller's file and line, when called away from the
    // loop (or thread) the object was made on.
    void check(std::string_view owner, std::source_location caller = std::source_location::current()) const;
    // The same, naming the object's class ("TerminalStore").
    void check(const std::type_info& owner, std::source_location caller = std::source_location::current()) const;

    bool isBoundHere() const;
    // Whether this build checks at all.
    static bool isEnabled();

private:
    const RunLoop* loop_;
    std::thread::id thread_;
    bool boundToMain_;
};

} // namespace foundation
