#include "Class/UI/Base/View/HostDismissal.h"

#include "Class/TolvaneIntegrationAppHelper.h"

#include "ui/ViewController.h"

namespace tolvane::app {

bool dismissHost(std::function<void()> afterDismissal)
{
    const auto& host = TolvaneIntegrationAppHelper::shared().superViewController;
    if (!host)
        return false;
    host->dismiss(true, std::move(afterDismissal));
    return true;
}

} // namespace tolvane::app
