#pragma once

#include "Internal/Model/SdkState.h"
#include "di/Assembly.h"
#include "foundation/Timer.h"
#include "rx/Cancellable.h"
#include "rx/Subject.h"

#include <functional>
#include <memory>
#include <optional>

namespace tolvane {
class TolvaneFramework;
}

namespace tolvane::app {

class TaskCenter;
class TerminalStore;
class TouchDetectorWindow;

// The application delegate: owns the feature's start-up (its assemblies and the framework's) and
// the lifecycle bodies that start and stop the send and receive threads, the link, the log
// heartbeat, the run's close reasons and the framework's foreground and background notices. The
// lifecycle observer and the embedding entry run the bodies on one shared object; on the stand-alone
// road the program's delegate is that same object, so every body runs once per event. Main thread
// only.
class TolvaneIntegrationAppAppDelegate : public std::enable_shared_from_this<TolvaneIntegrationAppAppDelegate> {
public:
    // Starts the thread of the send or the receive centre; tests run the centres on their own loops.
    using ThreadStarter = std::function<void(TaskCenter& center)>;

    static constexpr foundation::Seconds BACKGROUND_TASK_INTERVAL = 180.0;
    static constexpr foundation::Seconds TIMEOUT_CLOSE_DELAY = 0.3;
    // The pause between the final single sends of a terminating live link.
    static constexpr foundation::Seconds TERMINATE_SEND_INTERVAL = 0.05;

    TolvaneIntegrationAppAppDelegate();
    ~TolvaneIntegrationAppAppDelegate();
    TolvaneIntegrationAppAppDelegate(const TolvaneIntegrationAppAppDelegate&) = delete;
    TolvaneIntegrationAppAppDelegate& operator=(const TolvaneIntegrationAppAppDelegate&) = delete;

    // Null restores the real threads.
    static void setThreadStarter(ThreadStarter starter);
    // A new link store's send and receive threads, its accessory observers and its state
    // subscription, once per store.
    static void startLink(TerminalStore& store);
    // Drops the link store, its centres and the car store, so that the next use makes them afresh.
    static void releaseLink();

    // The touch-reporting window over the main screen, made on first use.
    std::shared_ptr<TouchDetectorWindow> window();

    // The launch prologue (the closed logger's set-up) and the launch body.
    bool applicationDidFinishLaunching();
    // The launch body; always true.
    bool application();
    void applicationWillResignActive();
    void applicationDidEnterBackground();
    void applicationWillEnterForeground();
    // Run by the lifecycle observer and the embedding entry only; `restart` is not used.
    void applicationDidBecomeActive(bool restart = false);
    void applicationWillTerminate();
    // Back to the first screen with a fresh link: new store, new threads, the router at its root.
    void resetToFirst();

    // True while the link was in use when the application resigned active; false again at every
    // become-active. The screens' view models replay the last display request when it turns false.
    rx::Published<bool> isBackground{false};

private:
    void sdkStateChanged(SdkState state);
    void delayedClose();
    void restart();
    void sendFinalMessages(TerminalStore& store);

    std::shared_ptr<TouchDetectorWindow> touchDetectorWindow;
    di::Assembler assember;
    std::unique_ptr<TolvaneFramework> tolvaneFramework;
    std::weak_ptr<foundation::Timer> backgroundTaskTimer;
    std::optional<rx::Cancellable> sdkStateCancellable;
};

} // namespace tolvane::app
