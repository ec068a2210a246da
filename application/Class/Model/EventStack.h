#pragma once

#include "Class/Model/EventCode.h"

#include <string>
#include <vector>

namespace tolvane::app {

class IDataController;

// The close reasons in force for the current run, bottom first. A reason never covers one of
// higher priority, and every change of the top is written to the run's history row. Main thread only.
class EventStack {
public:
    explicit EventStack(IDataController& dataController);

    // Made on first use over the shared history store.
    static EventStack& shared();

    // Larger wins: N001 6, L001 1, L002 2, L003 3, E006-E009, E014, E016-E019 and E002 4, the
    // other E codes 5, None 0.
    static int priority(EventCode code);

    // Unless `eventCode` has a lower priority than the top, moves it to the top and writes the row.
    void push(const std::string& id, EventCode eventCode, const std::string& carName);
    // When `eventCode` is in force, removes it and writes the row with the new top (None when empty).
    void pop(const std::string& id, EventCode eventCode, const std::string& carName);

    const std::vector<EventCode>& stack() const { return stack_; }
    // The start of a run empties it.
    void setStack(std::vector<EventCode> stack) { stack_ = std::move(stack); }

private:
    void writeTop(const std::string& id, const std::string& carName);

    IDataController& dataController_;
    std::vector<EventCode> stack_;
};

} // namespace tolvane::app
