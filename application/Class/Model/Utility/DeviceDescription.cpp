#include "Class/Model/Utility/DeviceDescription.h"

namespace tolvane::app {

foundation::Guarded<std::string>& deviceDescription()
{
    static foundation::Guarded<std::string> description;
    return description;
}

} // namespace tolvane::app
