#include "Class/TolvaneIntegrationAppHelper.h"

#include "Class/UI/Base/View/BaseUINavigationController.h"

namespace tolvane::app {

TolvaneIntegrationAppHelper& TolvaneIntegrationAppHelper::shared()
{
    static TolvaneIntegrationAppHelper helper;
    return helper;
}

void TolvaneIntegrationAppHelper::sendStatisticsEvent(const std::string& key)
{
    if (const auto& block = shared().statisticsActionBlockAction)
        block({{"key", key}});
}

} // namespace tolvane::app
