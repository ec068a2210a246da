#include "Class/UI/Base/View/InAppWarningKind.h"

namespace tolvane::app {

std::string_view caseName(InAppWarningKind kind)
{
    switch (kind) {
#define TOLVANE_CASE(name, raw) \
    case InAppWarningKind::name: \
        return #name;
        TOLVANE_IN_APP_WARNING_KINDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    }
    return "none";
}

} // namespace tolvane::app
