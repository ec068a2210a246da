#include "Class/Model/Utility/DeviceDescription.h"

#include "foundation/Guarded.h"

namespace tolvane::app {
namespace {

foundation::Guarded<std::string>& description()
{
    static foundation::Guarded<std::string> value;
    return value;
}

} // namespace

std::string deviceDescription()
{
    return description().copy();
}

void setDeviceDescription(std::string newDescription)
{
    description().set(std::move(newDescription));
}

} // namespace tolvane::app
