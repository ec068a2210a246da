#include "Class/Model/CurrentHistoryId.h"

#include "foundation/Guarded.h"

namespace tolvane::app {
namespace {

foundation::Guarded<std::string>& historyId()
{
    static foundation::Guarded<std::string> value;
    return value;
}

} // namespace

std::string currentHistoryId()
{
    return historyId().copy();
}

void setCurrentHistoryId(std::string id)
{
    historyId().set(std::move(id));
}

} // namespace tolvane::app
