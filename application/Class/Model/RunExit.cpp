#include "Class/Model/RunExit.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Base/ViewModel/IBaseViewModel.h"

#include "ui/ViewController.h"

namespace tolvane::app {

void closeRunAndLeave(EventCode eventCode, std::weak_ptr<IBaseViewModel> viewModel)
{
    EventStack::shared().push(currentHistoryId().copy(), eventCode, selectedCarName());
    leaveFeature(std::move(viewModel));
}

void leaveFeature(std::weak_ptr<IBaseViewModel> viewModel)
{
    const auto& host = TolvaneIntegrationAppHelper::shared().superViewController;
    if (!host)
        return;
    host->dismiss(true, [viewModel] {
        if (const auto model = viewModel.lock())
            model->exitAppCycle();
    });
}

void closeRunAndEnd(EventCode eventCode, std::weak_ptr<IBaseViewModel> viewModel)
{
    const bool hosted = TolvaneIntegrationAppHelper::shared().superViewController != nullptr;
    closeRunAndLeave(eventCode, viewModel);
    if (hosted)
        return;
    if (const auto model = viewModel.lock())
        model->exitAppCycle();
}

} // namespace tolvane::app
