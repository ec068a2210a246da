#include "Class/UI/OperationHistory/ViewModel/OperationHistoryViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/IDataController.h"

#include "foundation/UUID.h"

namespace tolvane::app {

OperationHistoryViewModel::OperationHistoryViewModel(BaseViewModelInjection injection, std::shared_ptr<IDataController> dataController)
    : SettingsFamilyViewModel(std::move(injection)), dataController_(std::move(dataController))
{
}

void OperationHistoryViewModel::loadOperationHistories()
{
    IDataController::FetchArguments arguments{.limit = MAX_ROW_COUNT};
    // Before this run inserted its row there is nothing to leave out, and the store would answer
    // an exclusion that is no identifier with no rows at all.
    const std::string current = currentHistoryId().copy();
    if (foundation::UUID::fromString(current))
        arguments.excludingId = current;
    operationHistoryList_ = dataController_->fetchHistories(arguments);
}

} // namespace tolvane::app
