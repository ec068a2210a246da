#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/ModelDataAssembly.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/DeviceDescription.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MEKELCLoger.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/Model/ViewAssembly.h"
#include "Class/Model/ViewModelAssembly.h"
#include "Class/Model/VolumeStep.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TouchDetectorWindow.h"

#include "ISoundModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/ISdkStateData.h"
#include "TolvaneFramework.h"
#include "di/Container.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "foundation/Sleep.h"
#include "foundation/UserDefaults.h"
#include "ui/ScreenMetrics.h"

#include <QString>
#include <QSysInfo>

#include <mutex>
#include <string_view>

#include <sys/utsname.h>

namespace tolvane::app {
namespace {

constexpr std::string_view kTerminateStart =
    "==================== OSの自動バックグラウンドアプリ破棄時・フリックによるアプリ破棄時の処理開始 ====================";
constexpr std::string_view kTerminateEnd =
    "==================== OSの自動バックグラウンドアプリ破棄時・フリックによるアプリ破棄時の処理終了 ====================";
constexpr std::string_view kTerminateEndDisconnected =
    "==================== OSの自動バックグラウンドアプリ破棄時・フリックによるアプリ破棄時の処理終了 (Already disconnected) "
    "====================";

struct ThreadStarterSlot {
    std::mutex mutex;
    TolvaneIntegrationAppAppDelegate::ThreadStarter starter;
};

ThreadStarterSlot& threadStarterSlot()
{
    static ThreadStarterSlot slot;
    return slot;
}

void startThread(TaskCenter& center)
{
    TolvaneIntegrationAppAppDelegate::ThreadStarter starter;
    {
        auto& slot = threadStarterSlot();
        std::lock_guard lock(slot.mutex);
        starter = slot.starter;
    }
    if (starter) {
        starter(center);
        return;
    }
    static const foundation::SystemClock clock;
    center.startThread(clock);
}

// Each body opens with its own name, as the lifecycle's tagged lines show it.
void logCalled(std::string_view function)
{
    myLog(kLifecycleTag, std::string(function) + " 被调用", false, function);
}

void logBanner(std::string_view banner, std::string_view function, LogLevel level = LogLevel::information)
{
    LogManager::print(std::string(banner), level, {.function = function});
}

template <class Service>
std::shared_ptr<Service> resolve()
{
    return di::Container::defaultContainer().resolve<Service>();
}

// A terminal is held, or one is being opened.
bool linkIsInUse(const TerminalStore& store)
{
    return store.terminal() || store.targetTerminalUdid();
}

foundation::UserDefaults& defaults()
{
    return *foundation::UserDefaults::standard();
}

// "<system version>/<machine>".
std::string describeDevice()
{
    utsname system{};
    const std::string machine = ::uname(&system) == 0 ? system.machine : "";
    return QSysInfo::productVersion().toStdString() + "/" + machine;
}

} // namespace

TolvaneIntegrationAppAppDelegate::TolvaneIntegrationAppAppDelegate()
    : assember({std::make_shared<ViewAssembly>(), std::make_shared<ViewModelAssembly>(),
                std::make_shared<ModelDataAssembly>()},
               di::Container::defaultContainer()),
      tolvaneFramework(std::make_unique<TolvaneFramework>())
{
    // Junk read from a damaged settings file is not carried into the new one.
    foundation::UserDefaults::setStandardRecovery({.isKnownKey = isUserDefaultsKey});
}

TolvaneIntegrationAppAppDelegate::~TolvaneIntegrationAppAppDelegate() = default;

void TolvaneIntegrationAppAppDelegate::setThreadStarter(ThreadStarter starter)
{
    auto& slot = threadStarterSlot();
    std::lock_guard lock(slot.mutex);
    slot.starter = std::move(starter);
}

std::shared_ptr<TouchDetectorWindow> TolvaneIntegrationAppAppDelegate::window()
{
    if (!touchDetectorWindow)
        touchDetectorWindow = std::make_shared<TouchDetectorWindow>(ui::ScreenMetrics::shared().mainBounds());
    return touchDetectorWindow;
}

bool TolvaneIntegrationAppAppDelegate::applicationDidFinishLaunching()
{
    MEKELCLoger::initLogSetting();
    myLog("VELL-LOG", "TolvaneSDK 内部日志已启用");
    logCalled("application(_:didFinishLaunchingWithOptions:)");
    return application();
}

bool TolvaneIntegrationAppAppDelegate::application()
{
    constexpr std::string_view function = "application(_:)";
    logCalled(function);
    // Before the log manager reads it for the first time.
    defaults().setInteger(rawValue(UserDefaultsKey::minimumLogLevel), 1);
    LogManager::setup();
    logBanner("==================== アプリ起動 ====================", function);
    defaults().setBool(rawValue(UserDefaultsKey::isAppKilled), false);
    AppEventHandler::shared().startObserving();
    UserDefaultsValues::updateLocalizedString("");
    if (auto soundModel = resolve<ISoundModel>())
        soundModel->requestUpdateSoundSetting(
            {.sound = UserDefaultsValues::soundEnable(), .volume = volumeStep(UserDefaultsValues::soundVolume())});
    deviceDescription().set(describeDevice());
    return true;
}

void TolvaneIntegrationAppAppDelegate::applicationWillResignActive()
{
    constexpr std::string_view function = "applicationWillResignActive(_:)";
    logCalled(function);
    logBanner("==================== InActive状態遷移直前 ====================", function);
    EventStack::shared().push(currentHistoryId().copy(), EventCode::L001, selectedCarName());
    if (auto sdkModel = resolve<ISdkModel>()) {
        logBanner(">バックグラウンド移行通知送信", function, LogLevel::debug);
        sdkModel->notifyMoveToBackground();
    }
    const auto store = TerminalStore::shared();
    if (linkIsInUse(*store)) {
        store->isBackground = true;
        isBackground.send(true);
        foundation::NotificationCenter::defaultCenter().post(AppEventHandler::shared().eventTransitToBlank);
    }
}

void TolvaneIntegrationAppAppDelegate::applicationDidEnterBackground()
{
    constexpr std::string_view function = "applicationDidEnterBackground(_:)";
    logCalled(function);
    logBanner("==================== バックグラウンド遷移時処理開始 ====================", function);
    LogManager::stopPeriodicTimer();
    if (!linkIsInUse(*TerminalStore::shared()))
        return;
    // Only marks in the log how long the application lived on in the background.
    backgroundTaskTimer = foundation::RunLoop::main().scheduleTimer(
        BACKGROUND_TASK_INTERVAL, false, [function](foundation::Timer& timer) {
            timer.invalidate();
            logBanner("==================== バックグラウンド遷移時処理終了 ====================", function);
        });
}

void TolvaneIntegrationAppAppDelegate::applicationWillEnterForeground()
{
    constexpr std::string_view function = "applicationWillEnterForeground(_:)";
    logCalled(function);
    logBanner("==================== フォアグラウンド移行直前 ====================", function);
    if (auto timer = backgroundTaskTimer.lock())
        timer->invalidate();
    backgroundTaskTimer.reset();
}

void TolvaneIntegrationAppAppDelegate::applicationDidBecomeActive(bool)
{
    constexpr std::string_view function = "applicationDidBecomeActive(_:restart:)";
    logCalled(function);
    const auto store = TerminalStore::shared();
    startLink(*store);
    logBanner("==================== Active状態遷移直後 ====================", function);
    LogManager::startPeriodicTimer();
    EventStack::shared().pop(currentHistoryId().copy(), EventCode::L001, selectedCarName());
    if (linkIsInUse(*store) && store->isActOn && !store->isConnected())
        store->closeTerminal();
    store->isBackground = false;
    isBackground.send(false);
    if (auto sdkStateData = resolve<ISdkStateData>()) {
        std::weak_ptr<TolvaneIntegrationAppAppDelegate> weakSelf = weak_from_this();
        sdkStateCancellable = sdkStateData->sdkState().sink([weakSelf](SdkState state) {
            if (auto self = weakSelf.lock())
                self->sdkStateChanged(state);
        });
    }
    if (auto sdkModel = resolve<ISdkModel>()) {
        logBanner(">フォアグラウンド移行通知送信", function, LogLevel::debug);
        sdkModel->notifyMoveToForeground();
    }
}

void TolvaneIntegrationAppAppDelegate::startLink(TerminalStore& store)
{
    if (store.isInitialize)
        return;
    startThread(*DataTransmissionCenter::shared());
    startThread(*DataReceiveCenter::shared());
    store.registerObservers();
    foundation::RunLoop::main().post([weakStore = store.weak_from_this()] {
        if (auto store = weakStore.lock())
            store->subscribeSdkState();
    });
    store.isInitialize = true;
}

void TolvaneIntegrationAppAppDelegate::releaseLink()
{
    TerminalStore::destroyShared();
    DataReceiveCenter::destroy();
    DataTransmissionCenter::destroy();
    CarRecordStore::destroyShared();
}

void TolvaneIntegrationAppAppDelegate::sdkStateChanged(SdkState state)
{
    // One state change only, whichever it is: the next become-active subscribes again.
    sdkStateCancellable.reset();
    if (state != SdkState::TIMEOUT)
        return;
    if (auto sdkModel = resolve<ISdkModel>())
        sdkModel->requestFinishSdk();
    const auto store = TerminalStore::shared();
    if (!linkIsInUse(*store) || !store->isConnected()) {
        resetToFirst();
        return;
    }
    std::weak_ptr<TolvaneIntegrationAppAppDelegate> weakSelf = weak_from_this();
    foundation::RunLoop::main().scheduleTimer(TIMEOUT_CLOSE_DELAY, false, [weakSelf](foundation::Timer& timer) {
        timer.invalidate();
        if (auto self = weakSelf.lock())
            self->delayedClose();
    });
}

void TolvaneIntegrationAppAppDelegate::delayedClose()
{
    std::weak_ptr<TolvaneIntegrationAppAppDelegate> weakSelf = weak_from_this();
    TerminalStore::shared()->shutdownTerminal([weakSelf] {
        if (auto self = weakSelf.lock())
            self->restart();
    });
}

void TolvaneIntegrationAppAppDelegate::restart()
{
    logBanner("==================== Restart App ====================", "applicationDidBecomeActive(_:restart:)");
    foundation::RunLoop::main().post([weakSelf = weak_from_this()] {
        if (auto self = weakSelf.lock())
            self->resetToFirst();
    });
}

void TolvaneIntegrationAppAppDelegate::applicationWillTerminate()
{
    constexpr std::string_view function = "applicationWillTerminate(_:)";
    logCalled(function);
    logBanner(kTerminateStart, function);
    defaults().setBool(rawValue(UserDefaultsKey::isAppKilled), true);
    EventStack::shared().push(currentHistoryId().copy(), EventCode::L003, selectedCarName());
    const auto store = TerminalStore::shared();
    if (!linkIsInUse(*store)) {
        logBanner(kTerminateEnd, function);
        foundation::sleepFor(TERMINATE_SEND_INTERVAL);
        return;
    }
    if (auto timer = backgroundTaskTimer.lock())
        timer->invalidate();
    backgroundTaskTimer.reset();
    if (!store->isConnected()) {
        logBanner(kTerminateEndDisconnected, function);
        foundation::sleepFor(TERMINATE_SEND_INTERVAL);
        return;
    }
    sendFinalMessages(*store);
    store->shutdownTerminal([function] {
        logBanner(kTerminateEnd, function);
        foundation::sleepFor(TERMINATE_SEND_INTERVAL);
    });
}

void TolvaneIntegrationAppAppDelegate::sendFinalMessages(TerminalStore& store)
{
    constexpr std::string_view function = "applicationWillTerminate(_:)";
    // The vehicle must hear the finishing operation before the process ends: the periodic sends
    // stop, and eight single sends carry it, 50 ms apart, while this thread waits.
    store.stopCycle();
    logBanner("==================== Send BT_SMPACT (0b0) on applicationWillTerminate ====================", function);
    if (auto sdkModel = resolve<ISdkModel>())
        sdkModel->requestFinishSdk();
    store.enqueueSendTask();
    for (double elapsed = 0.0; elapsed <= 0.3; elapsed += TERMINATE_SEND_INTERVAL) {
        foundation::sleepFor(TERMINATE_SEND_INTERVAL);
        store.enqueueSendTask();
    }
    foundation::sleepFor(TERMINATE_SEND_INTERVAL);
}

void TolvaneIntegrationAppAppDelegate::resetToFirst()
{
    logCalled("resetToFirst()");
    // The store's close queues the streams' closing on the centres; a stopping centre closes any
    // stream still scheduled on its loop, so none outlives its thread.
    releaseLink();
    startLink(*TerminalStore::shared());
    if (auto transitionManager = resolve<ITransitionManager>())
        transitionManager->popToRootViewController();
}

} // namespace tolvane::app
