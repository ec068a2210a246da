#pragma once

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"

namespace tolvane::app {

class IViewCategoryManager {
public:
    virtual ~IViewCategoryManager() = default;
    // The family of screens a (display id, cause) pair leads to, 1 to 15 (12 is never given).
    virtual int getViewCategory(RequiredDisplayId reqDisplayId, CauseId causeId) const = 0;
};

} // namespace tolvane::app
