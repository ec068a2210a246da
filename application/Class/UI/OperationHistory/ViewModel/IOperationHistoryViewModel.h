#pragma once

#include "Class/Model/TolvaneControlHistory.h"

#include <optional>
#include <vector>

namespace tolvane::app {

// The history screen's view model as its screen sees it.
class IOperationHistoryViewModel {
public:
    virtual ~IOperationHistoryViewModel() = default;

    // The rows shown, newest first; none until loaded.
    virtual const std::optional<std::vector<TolvaneControlHistory>>& operationHistoryList() const = 0;
    virtual void loadOperationHistories() = 0;
};

} // namespace tolvane::app
