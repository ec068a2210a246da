#pragma once

#include "Class/Model/IViewCategoryManager.h"

namespace tolvane::app {

// Sorts the pair the vehicle sends into the family of screens it leads to, so that code deciding
// before or without a screen need not repeat the display-id and cause tables. Pure.
class ViewCategoryManager final : public IViewCategoryManager {
public:
    static const IViewCategoryManager& shared();

    int getViewCategory(RequiredDisplayId reqDisplayId, CauseId causeId) const override;

    // Whether a pair the vehicle sends ends the run, so that the link may close without a screen.
    static bool endsTheRun(RequiredDisplayId reqDisplayId, CauseId causeId);
};

} // namespace tolvane::app
