#pragma once

#include "di/Assembly.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace ui {
class ViewController;
class Window;
} // namespace ui

namespace tolvane::app {

class BaseUINavigationController;
class CustomUIWindowDelegate;

// The entry through which a host application embeds the feature: it asks for the feature's first
// screen, forwards its lifecycle events, receives usage statistics through a block and says which
// of its controllers presented the feature. The screens use its one shared instance: the router
// places screens on its navigation stack, screens report statistics through its block and leave
// the feature by dismissing its presenting controller. Main thread only.
class TolvaneIntegrationAppHelper {
public:
    using StatisticsBlock = std::function<void(const std::map<std::string, std::string>&)>;

    // Another instance, registering the application's assemblies once more; the screens always use
    // the shared one.
    TolvaneIntegrationAppHelper();

    // Made on first use and kept for the life of the process.
    static TolvaneIntegrationAppHelper& shared();

    // The shared instance, after the launch and become-active bodies ran on the shared delegate.
    static TolvaneIntegrationAppHelper& initHelper();
    // A new first screen of the pre-confirmation flow, after the same preparation as initHelper().
    static std::shared_ptr<ui::ViewController> getPreConfirmationViewController();
    // A new navigation stack around a new pre-confirmation screen, which becomes the stack the router
    // shows screens on; shown full screen. Runs no lifecycle body. `window` is not used.
    static std::shared_ptr<ui::ViewController> getMainViewController(const std::shared_ptr<ui::Window>& window);
    // A new first screen of the registration flow; starts nothing.
    static std::shared_ptr<ui::ViewController> firstViewControlloer();
    // Follows the lifecycle notices again and runs the become-active body (not the launch body).
    static void reopenTolvane();

    // Calls the host's statistics block, when it is set, with {"key": key}.
    static void sendStatisticsEvent(const std::string& key);

    // Writes the closed logger's kept files as one file: TOLVANE_LOG_EXPORT_FILE when set, else
    // "TolvaneControl_logs.log" in the documents folder. The desktop has no export screen to show
    // over `viewController`.
    void exportLog(const std::shared_ptr<ui::ViewController>& viewController);

    // The lifecycle bodies on the shared delegate, for a host that forwards its own events.
    void willEnterForeground();
    void didBecomeActive();
    void didEnterBackground();
    void willResignActive();
    void willTerminate();

    // Where the host delivers its window's touches; the slider control follows them.
    std::shared_ptr<CustomUIWindowDelegate> eventReceiver;
    // The feature's navigation stack; the router shows every screen on it.
    std::shared_ptr<BaseUINavigationController> navigationController;
    StatisticsBlock statisticsActionBlockAction;
    // The host's controller that presented the feature; screens dismiss it to leave the feature.
    std::shared_ptr<ui::ViewController> superViewController;

private:
    // The launch and become-active bodies on the shared delegate, made if missing.
    static void prepare();

    di::Assembler assember;
};

} // namespace tolvane::app
