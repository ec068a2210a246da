#include "Class/Model/EventStack.h"

#include "Class/Model/DataController.h"

#include "foundation/RunLoop.h"

#include <algorithm>
#include <array>

namespace tolvane::app {

EventStack::EventStack(IDataController& dataController) : dataController_(dataController) {}

EventStack& EventStack::shared()
{
    static EventStack stack(DataController::shared());
    return stack;
}

int EventStack::priority(EventCode code)
{
    static constexpr std::array<int, 24> priorities = {
        6,                                  // N001
        1, 2, 3,                            // L001-L003
        5, 4, 5, 5, 5, 4, 4, 4, 4, 5,       // E001-E010
        5, 5, 5, 4, 5, 4, 4, 4, 4,          // E011-E019
        0,                                  // None
    };
    return priorities[static_cast<size_t>(code)];
}

void EventStack::push(const std::string& id, EventCode eventCode, const std::string& carName)
{
    foundation::assertOnMainLoop("EventStack::push");
    if (!stack_.empty() && priority(eventCode) < priority(stack_.back()))
        return;
    std::erase(stack_, eventCode);
    stack_.push_back(eventCode);
    writeTop(id, carName);
}

void EventStack::pop(const std::string& id, EventCode eventCode, const std::string& carName)
{
    foundation::assertOnMainLoop("EventStack::pop");
    if (std::find(stack_.begin(), stack_.end(), eventCode) == stack_.end())
        return;
    std::erase(stack_, eventCode);
    writeTop(id, carName);
}

void EventStack::writeTop(const std::string& id, const std::string& carName)
{
    // Callers go on whatever the row says; the store reports its own failures.
    dataController_.closeHistory(id, stack_.empty() ? EventCode::None : stack_.back(), carName);
}

} // namespace tolvane::app
