#pragma once

#include "Class/UI/Base/ViewModel/SettingsFamilyViewModel.h"
#include "Class/UI/OperationHistory/ViewModel/IOperationHistoryViewModel.h"

#include <memory>

namespace tolvane::app {

class IDataController;

// The past runs from the history store, read once: the newest 150 without the run under way.
class OperationHistoryViewModel final : public SettingsFamilyViewModel, public IOperationHistoryViewModel {
public:
    static constexpr int MAX_ROW_COUNT = 150;

    OperationHistoryViewModel(BaseViewModelInjection injection, std::shared_ptr<IDataController> dataController);

    const std::optional<std::vector<TolvaneControlHistory>>& operationHistoryList() const override { return operationHistoryList_; }
    void loadOperationHistories() override;

private:
    const std::shared_ptr<IDataController> dataController_;
    std::optional<std::vector<TolvaneControlHistory>> operationHistoryList_;
};

} // namespace tolvane::app
