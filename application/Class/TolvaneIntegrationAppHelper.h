#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {
class ViewController;
}

namespace tolvane::app {

class BaseUINavigationController;

// The entry through which a host application embeds the feature. The screens use its one shared
// instance: the router places screens on its navigation stack, screens report statistics through
// its block and leave the feature by dismissing its presenting controller. Main thread only.
class TolvaneIntegrationAppHelper {
public:
    using StatisticsBlock = std::function<void(const std::map<std::string, std::string>&)>;

    static TolvaneIntegrationAppHelper& shared();

    // Calls the host's statistics block, when it is set, with {"key": key}.
    static void sendStatisticsEvent(const std::string& key);

    // The feature's navigation stack; the router shows every screen on it.
    std::shared_ptr<BaseUINavigationController> navigationController;
    StatisticsBlock statisticsActionBlockAction;
    // The host's controller that presented the feature.
    std::shared_ptr<ui::ViewController> superViewController;
};

} // namespace tolvane::app
