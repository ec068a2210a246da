#include "Class/Model/TolvaneControlHistory.h"

#include "foundation/DateFormatter.h"

namespace tolvane::app {

std::string TolvaneControlHistory::launchDateText() const
{
    const auto zone = foundation::TimeZone::fromIdentifier(timeZone).value_or(foundation::TimeZone::current());
    return foundation::DateFormatter("yyyyMMddHHmmss", zone).string(launchDate);
}

} // namespace tolvane::app
