#include "Class/Model/CurrentHistoryId.h"

namespace tolvane::app {

foundation::Guarded<std::string>& currentHistoryId()
{
    static foundation::Guarded<std::string> id;
    return id;
}

} // namespace tolvane::app
