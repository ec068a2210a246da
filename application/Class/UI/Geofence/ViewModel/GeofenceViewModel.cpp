#include "Class/UI/Geofence/ViewModel/GeofenceViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/TolvaneIntegrationAppHelper.h"

#include "ui/ViewController.h"

namespace tolvane::app {

GeofenceViewModel::GeofenceViewModel(BaseViewModelInjection injection) : BaseViewModel(std::move(injection)) {}

void GeofenceViewModel::closeHistoryAndDismiss()
{
    EventStack::shared().push(currentHistoryId().copy(), EventCode::E003, selectedCarName());
    const auto& host = TolvaneIntegrationAppHelper::shared().superViewController;
    if (!host)
        return;
    std::weak_ptr<BaseViewModel> weak = shared_from_this();
    host->dismiss(true, [weak] {
        if (auto self = weak.lock())
            self->exitAppCycle();
    });
}

} // namespace tolvane::app
