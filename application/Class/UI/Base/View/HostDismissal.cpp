#include "Class/UI/Base/View/HostDismissal.h"

#include "Class/TolvaneIntegrationAppHelper.h"

#include "ui/ViewController.h"

namespace tolvane::app {

void dismissHost(std::function<void()> afterDismissal)
{
    if (const auto& host = TolvaneIntegrationAppHelper::shared().superViewController)
        host->dismiss(true, std::move(afterDismissal));
}

} // namespace tolvane::app
