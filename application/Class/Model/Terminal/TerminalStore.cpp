#include "Class/Model/Terminal/TerminalStore.h"

#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/PeriodicSendTask.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"
#include "Class/Model/ViewCategoryManager.h"

#include "Internal/Model/IBluetoothSocketModel.h"
#include "Internal/Model/IDataCodingModel.h"
#include "Internal/Model/ISdkModel.h"
#include "Internal/Model/ISdkStateData.h"
#include "accessory/AccessoryManager.h"
#include "accessory/AccessoryProtocol.h"
#include "bluetooth/BluetoothPower.h"
#include "di/Container.h"
#include "foundation/Bytes.h"
#include "foundation/ClassName.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "foundation/UserDefaults.h"

#include <algorithm>
#include <initializer_list>

namespace tolvane::app {
namespace {

void log(std::string message, LogLevel level, std::string_view function, std::vector<LabelledValue> values = {})
{
    LogManager::print(std::move(message), level, {.values = std::move(values), .function = function});
}

std::string bluetoothStateText(bt::PowerState state)
{
    switch (state) {
    case bt::PowerState::unknown:
        return "Bluetooth unknown";
    case bt::PowerState::resetting:
        return "Bluetooth resetting";
    case bt::PowerState::unsupported:
        return "Bluetooth unsupported";
    case bt::PowerState::unauthorized:
        return "Bluetooth unauthorized";
    case bt::PowerState::poweredOff:
        return "Bluetooth poweredOff";
    case bt::PowerState::poweredOn:
        return "Bluetooth poweredOn";
    }
    return "Bluetooth @unknown default";
}

std::mutex sharedMutex;
std::shared_ptr<TerminalStore>& sharedSlot()
{
    static std::shared_ptr<TerminalStore> store;
    return store;
}
std::optional<TerminalStore::Environment>& sharedEnvironment()
{
    static std::optional<TerminalStore::Environment> environment;
    return environment;
}

} // namespace

// Creation and the shared store

TerminalStore::Environment TerminalStore::processEnvironment()
{
    auto manager = accessory::AccessoryManager::shared();
    return {.manager = manager, .bluetoothPower = bt::bluetoothPower()};
}

void TerminalStore::setSharedEnvironment(std::optional<Environment> environment)
{
    std::lock_guard lock(sharedMutex);
    sharedEnvironment() = std::move(environment);
}

std::shared_ptr<TerminalStore> TerminalStore::shared()
{
    std::unique_lock lock(sharedMutex);
    if (auto store = sharedSlot())
        return store;
    auto environment = sharedEnvironment();
    lock.unlock();
    auto store = make(environment ? *environment : processEnvironment());
    lock.lock();
    if (!sharedSlot())
        sharedSlot() = store;
    return sharedSlot();
}

void TerminalStore::destroyShared()
{
    std::shared_ptr<TerminalStore> store;
    {
        std::lock_guard lock(sharedMutex);
        store = sharedSlot();
    }
    // Nothing to tear down: making a store only to drop it would reach for the accessories.
    if (!store)
        return;
    store->releaseObservers();
    std::lock_guard lock(sharedMutex);
    sharedSlot().reset();
}

std::shared_ptr<TerminalStore> TerminalStore::make(Environment environment)
{
    std::shared_ptr<TerminalStore> store(new TerminalStore(std::move(environment)));
    std::weak_ptr<TerminalStore> weak = store;
    foundation::RunLoop::main().post([weak] {
        if (auto store = weak.lock())
            store->resolveServices();
    });
    if (const auto& power = store->environment_.bluetoothPower) {
        // The first report of the power state, as a new central manager gives it.
        foundation::RunLoop::main().post([weak, power] {
            if (auto store = weak.lock())
                store->centralManagerDidUpdateState(power->state());
        });
        store->cancellables_.insert(power->stateChanges().sink([weak](bt::PowerState state) {
            if (auto store = weak.lock())
                store->centralManagerDidUpdateState(state);
        }));
    }
    return store;
}

TerminalStore::TerminalStore(Environment environment)
    : TerminalStoreBase(environment.manager), environment_(std::move(environment))
{
}

TerminalStore::~TerminalStore()
{
    log("deinit Method Called.", LogLevel::debug, "deinit");
    closeTerminal();
    targetTerminalUdid_.reset();
    releaseCloseTimer();
    manager->unregisterForLocalNotifications();
    cancellables_.removeAll();
}

void TerminalStore::resolveServices()
{
    auto& container = di::Container::defaultContainer();
    dataCodingModel_.set(container.resolve<IDataCodingModel>());
    bluetoothSocketModel_ = container.resolve<IBluetoothSocketModel>();
    sdkModel_ = container.resolve<ISdkModel>();
    sdkStateData_ = container.resolve<ISdkStateData>();
}

std::shared_ptr<IDataCodingModel> TerminalStore::dataCodingModel() const
{
    return dataCodingModel_.copy();
}

const std::set<std::string>& TerminalStore::supportedAccessoryProtocols()
{
    static const std::set<std::string> protocols{accessory::defaultProtocolString()};
    return protocols;
}

void TerminalStore::setDelegate(const std::shared_ptr<TerminalProtocol>& delegate)
{
    delegate_ = delegate;
    log(delegate ? "TerminalStore event is mounted on " + foundation::className(typeid(*delegate)) + "." : "TerminalStore event is not mounted.",
        LogLevel::debug, "delegate");
}

std::shared_ptr<Terminal> TerminalStore::terminal() const
{
    return terminal_.copy();
}

void TerminalStore::setTerminal(std::shared_ptr<Terminal> terminal)
{
    terminal_.set(std::move(terminal));
}

bool TerminalStore::isConnected() const
{
    const auto terminal = this->terminal();
    const auto session = terminal ? terminal->session() : nullptr;
    return session && session->inputStream() && session->outputStream() && session->inputStream()->hasDelegate() &&
           session->outputStream()->hasDelegate();
}

bool TerminalStore::isConnected(const std::string& udid) const
{
    return isConnected() && terminal()->udid() == udid;
}

bool TerminalStore::applicationIsActive() const
{
    return environment_.applicationState() == 0;
}

// Opening

void TerminalStore::open(const std::string& udid, ConnectionOpenPattern openPattern, int64_t retryCount,
                         std::function<void(bool)> completion)
{
    constexpr std::string_view function = "open(_:openPattern:retryCount:completion:)";
    log("Try to open terminal. " + udid, LogLevel::information, function);
    const int64_t maximumRetryCount = UserDefaultsValues::maximumNumberOfRetryOpenSession();
    if (retryCount == maximumRetryCount && terminalReopenRetryTimer_) {
        log("Cannot open terminal because it is retrying open.", LogLevel::information, function);
        return;
    }
    if (retryCount != maximumRetryCount && terminalReopenRetryTimer_) {
        terminalReopenRetryTimer_->invalidate();
        terminalReopenRetryTimer_.reset();
    }
    if (isConnected()) {
        log("Cannot open Terminal because it is opening.", LogLevel::information, function);
        return;
    }
    targetTerminalUdid_ = udid;
    if (auto delegate = this->delegate())
        delegate->terminalOpenWillStart();

    std::weak_ptr<TerminalStore> weak = weak_from_this();
    auto connected = [weak] {
        foundation::RunLoop::main().post([weak] {
            auto store = weak.lock();
            if (!store)
                return;
            if (store->bluetoothSocketModel_)
                store->bluetoothSocketModel_->notifyConnectedBluetoothConnection();
            store->startCycle();
        });
    };
    if (openTerminal()) {
        completion(true);
        connected();
        return;
    }
    if (retryCount < 1) {
        if (openPattern != ConnectionOpenPattern::reopen)
            targetTerminalUdid_.reset();
        log("Failed to open terminal session.", LogLevel::warning, function);
        if (auto delegate = this->delegate())
            delegate->terminalOpenDidFail();
        completion(false);
        return;
    }
    setTerminalOpenRetryTimer(
        retryCount,
        [weak] {
            auto store = weak.lock();
            return store && store->openTerminal();
        },
        [weak, openPattern, completion, connected](bool result) {
            auto store = weak.lock();
            if (!store)
                return;
            if (result) {
                if (store->bluetoothSocketModel_)
                    store->bluetoothSocketModel_->notifyConnectedBluetoothConnection();
                store->startCycle();
            } else {
                if (openPattern != ConnectionOpenPattern::reopen)
                    store->targetTerminalUdid_.reset();
                foundation::RunLoop::main().post([weak] {
                    if (auto store = weak.lock())
                        store->sessionOpenFailed();
                });
            }
            completion(result);
        });
}

bool TerminalStore::openTerminal()
{
    constexpr std::string_view function = "openTerminal()";
    if (!targetTerminalUdid_) {
        log("targetTerminalUdid is nil.", LogLevel::warning, function);
        return false;
    }
    if (const int state = environment_.applicationState(); state != 0) {
        log("##########There is a possibility of a ghost event.", LogLevel::debug, function,
            {{"applicationState", state}});
        return false;
    }
    if (foundation::UserDefaults::standard()->boolean(rawValue(UserDefaultsKey::isAppKilled))) {
        log("##########There is a possibility of a ghost event.", LogLevel::debug, function, {{"isAppKilled", true}});
        return false;
    }
    auto terminal = getTarminalWithTargetUDID(*targetTerminalUdid_, supportedAccessoryProtocols());
    if (!terminal) {
        log("The target UUID was not found in the connection list.", LogLevel::information, function);
        return false;
    }
    if (!terminal->open())
        return false;
    sessionOpenSucceeded(std::move(terminal));
    return true;
}

void TerminalStore::sessionOpenSucceeded(std::shared_ptr<Terminal> terminal)
{
    log("Method sessionOpenSucceeded was called.", LogLevel::information, "sessionOpenSucceeded(_:)");
    setTerminal(std::move(terminal));
    if (auto delegate = this->delegate())
        delegate->terminalOpenDidSucceed();
}

void TerminalStore::sessionOpenFailed()
{
    log("Failed to open terminal session.", LogLevel::warning, "sessionOpenFailed()");
    if (auto delegate = this->delegate())
        delegate->terminalOpenDidFail();
}

void TerminalStore::setTerminalOpenRetryTimer(int64_t retryCount, std::function<bool()> open,
                                              std::function<void(bool)> completion)
{
    if (terminalReopenRetryTimer_)
        terminalReopenRetryTimer_->invalidate();
    retryCountRemaining_ = retryCount;
    double interval = UserDefaultsValues::intervalOfRetryOpenSession();
    // A stored interval that is not positive would retry without pause, and an endless one (a huge
    // number or infinity) would never retry at all.
    if (!(interval > 0))
        interval = 1.0;
    interval = std::min(interval, LONGEST_RETRY_INTERVAL);
    std::weak_ptr<TerminalStore> weak = weak_from_this();
    terminalReopenRetryTimer_ = foundation::RunLoop::main().scheduleTimer(
        interval, true, [weak, retryCount, open, completion](foundation::Timer&) {
            foundation::RunLoop::main().post([weak, retryCount, open, completion] {
                auto store = weak.lock();
                if (!store)
                    return;
                log("Retry open.", LogLevel::information, "setTerminalOpenRetryTimer(_:open:completion:)",
                    {{"Retry count remaining", store->retryCountRemaining_ - 1}, {"Maximum number of retry", retryCount}});
                const bool result = open();
                if (!result && --store->retryCountRemaining_ > 0)
                    return;
                if (store->terminalReopenRetryTimer_)
                    store->terminalReopenRetryTimer_->invalidate();
                store->terminalReopenRetryTimer_.reset();
                completion(result);
            });
        });
}

void TerminalStore::reopen()
{
    if (!targetTerminalUdid_) {
        log("Cannot reopen Terminal because Earlier connected terminal not exists.", LogLevel::warning, "reopen()");
        return;
    }
    open(*targetTerminalUdid_, ConnectionOpenPattern::reopen, UserDefaultsValues::maximumNumberOfRetryOpenSession());
}

// Closing

void TerminalStore::closeTerminal()
{
    if (terminalReopenRetryTimer_)
        terminalReopenRetryTimer_->invalidate();
    terminalReopenRetryTimer_.reset();
    if (const auto terminal = this->terminal()) {
        stopCycle();
        terminal->close();
        terminal->setSession(nullptr);
    }
    if (bluetoothSocketModel_)
        bluetoothSocketModel_->notifyDisconnectedBluetoothConnection();
}

void TerminalStore::cancelOpen()
{
    closeTerminal();
    targetTerminalUdid_.reset();
    log("Terminal opening cancelled.", LogLevel::information, "cancelOpen()");
}

void TerminalStore::shutdownTerminal(std::function<void()> completion)
{
    closeTerminal();
    targetTerminalUdid_.reset();
    releaseCloseTimer();
    if (!terminal()) {
        completion();
        return;
    }
    foundation::RunLoop::main().post([weak = weak_from_this(), completion] {
        if (auto store = weak.lock())
            store->close(completion);
    });
}

void TerminalStore::closeSequence()
{
    closeTerminal();
    targetTerminalUdid_.reset();
    releaseCloseTimer();
    if (terminal())
        close([] {});
}

void TerminalStore::close(std::function<void()> completion)
{
    log("closeWaitTask start.", LogLevel::debug, "close(completion:)");
    std::weak_ptr<TerminalStore> weak = weak_from_this();
    auto waiting = [weak] {
        auto store = weak.lock();
        const auto terminal = store ? store->terminal() : nullptr;
        return terminal && !(terminal->isInputStreamEndEncountered() && terminal->isOutputStreamEndEncountered());
    };
    auto cleanUp = [weak, completion] {
        foundation::RunLoop::main().post([weak, completion] {
            if (auto store = weak.lock())
                store->closeWaitCleanUp(completion);
        });
    };
    if (!waiting()) {
        cleanUp();
        return;
    }
    // Each step samples the streams, waits 0.1 s, and cleans up when that sample found them ended;
    // after the last step it cleans up whatever they report.
    struct Wait {
        int sleeps = 0;
        bool lastSampleOver = false;
    };
    auto wait = std::make_shared<Wait>();
    wait->lastSampleOver = !waiting();
    foundation::RunLoop::main().scheduleTimer(CLOSE_WAIT_STEP, true, [weak, wait, waiting, cleanUp](foundation::Timer& timer) {
        if (weak.expired()) {
            timer.invalidate();
            return;
        }
        ++wait->sleeps;
        if (wait->lastSampleOver || wait->sleeps >= CLOSE_WAIT_STEPS) {
            timer.invalidate();
            cleanUp();
            return;
        }
        wait->lastSampleOver = !waiting();
    });
}

void TerminalStore::closeWaitCleanUp(const std::function<void()>& completion)
{
    const auto terminal = this->terminal();
    if (!terminal) {
        completion();
        return;
    }
    const auto session = terminal->session();
    if (session && !(terminal->isInputStreamEndEncountered() && terminal->isOutputStreamEndEncountered())) {
        auto force = [&](const std::shared_ptr<accessory::Stream>& stream, const char* message) {
            if (!stream)
                return;
            log(message, LogLevel::warning, "close(completion:)", {{"Name", terminal->name()}, {"UDID", terminal->udid()}});
            stream->clearDelegate();
            // Closed on the thread that reads or writes it, never under it.
            stream->close();
        };
        force(session->inputStream(), "Forced termination terminal socket(Input).");
        force(session->outputStream(), "Forced termination terminal socket(Output).");
    }
    log("closeWaitTask end.", LogLevel::debug, "close(completion:)");
    terminal->setSession(nullptr);
    setTerminal(nullptr);
    completion();
}

void TerminalStore::releaseCloseTimer()
{
    log("releaseCloseTimer has been executed.", LogLevel::information, "releaseCloseTimer()");
    if (terminalCloseTimer_)
        terminalCloseTimer_->invalidate();
    terminalCloseTimer_.reset();
}

void TerminalStore::closeTimerStart(std::optional<foundation::Seconds> timerInterval, bool necessaryDelegate)
{
    log("closeTimerStart has been executed.", LogLevel::information, "closeTimerStart(timerInterval:necessaryDelegate:)");
    if (terminalCloseTimer_)
        terminalCloseTimer_->invalidate();
    std::weak_ptr<TerminalStore> weak = weak_from_this();
    terminalCloseTimer_ = foundation::RunLoop::main().scheduleTimer(
        timerInterval.value_or(DEFAULT_CLOSE_INTERVAL), false, [weak, necessaryDelegate](foundation::Timer&) {
            auto store = weak.lock();
            if (!store)
                return;
            if (necessaryDelegate) {
                if (auto delegate = store->delegate()) {
                    const auto terminal = store->terminal();
                    const auto& accessory = terminal ? terminal->accessory() : nullptr;
                    if (accessory && accessory->isConnected() && store->isConnected())
                        delegate->terminalCloseDidTimeOut();
                    else
                        delegate->terminalSessionDidEnd();
                }
            }
            store->closeSequence();
        });
}

void TerminalStore::sessionDidEnd()
{
    if (terminalCloseTimer_ && terminalCloseTimer_->isValid()) {
        terminalCloseTimer_->invalidate();
        terminalCloseTimer_.reset();
        closeSequence();
    }
    if (auto delegate = this->delegate())
        delegate->terminalSessionDidEnd();
}

void TerminalStore::backgroundClose(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId)
{
    if (!isBackground)
        return;
    if (ViewCategoryManager::endsTheRun(reqDisplayId.value_or(RequiredDisplayId::DEF), causeId.value_or(CauseId::DEF)))
        finishAndCloseLater("backgroundClose(reqDisplayId:causeId:)", false);
}

void TerminalStore::noTransitionClose(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId)
{
    if (ViewCategoryManager::endsTheRun(reqDisplayId.value_or(RequiredDisplayId::DEF), causeId.value_or(CauseId::DEF)))
        finishAndCloseLater("noTransitionClose(reqDisplayId:causeId:)", true);
}

void TerminalStore::finishAndCloseLater(std::string_view function, bool hopToMain)
{
    isConnectionStop = true;
    log("backgroundClose has been executed.", LogLevel::information, function);
    if (sdkModel_)
        sdkModel_->requestFinishSdk();
    foundation::RunLoop::main().scheduleTimer(FINISH_CLOSE_DELAY, false, [hopToMain](foundation::Timer& timer) {
        timer.invalidate();
        auto closeShared = [] { TerminalStore::shared()->closeSequence(); };
        if (hopToMain)
            foundation::RunLoop::main().post(closeShared);
        else
            closeShared();
    });
}

// The send cycle

void TerminalStore::startCycle()
{
    if (periodicSendTask_) {
        log("PeriodicSendTask already exists. Method startCycle was skipped.", LogLevel::debug, "startCycle()");
        return;
    }
    log("Start PeriodicSendTask.", LogLevel::debug, "startCycle()");
    periodicSendTask_ = std::make_shared<PeriodicSendTask>(dataCodingModel());
    periodicSendTask_->setDataSource(shared_from_this());
    periodicSendTask_->start();
}

void TerminalStore::stopCycle()
{
    if (periodicSendTask_)
        DataTransmissionCenter::shared()->setPeriodicTask(nullptr);
    periodicSendTask_.reset();
}

void TerminalStore::enqueueSendTask()
{
    DataTransmissionCenter::shared()->enqueueSingleTask([weak = weak_from_this()] {
        if (auto store = weak.lock())
            store->sendOnce();
    });
}

void TerminalStore::sendOnce()
{
    // A copy of the reference keeps the terminal alive through the write.
    auto terminal = this->terminal();
    auto dataCodingModel = this->dataCodingModel();
    if (terminal && dataCodingModel)
        terminal->_sendOperationData(dataCodingModel->encode());
}

// Accessories, Bluetooth and the terminal list

void TerminalStore::refreshTerminalList()
{
    auto& center = foundation::NotificationCenter::defaultCenter();
    terms_.clear();
    center.post(eventTerminalListChangedKey);
    for (auto& terminal : getFetchList(supportedAccessoryProtocols())) {
        terms_.push_back(std::move(terminal));
        center.post(eventTerminalListChangedKey);
    }
}

void TerminalStore::registerObservers()
{
    // Registering again replaces the observation, so no notice is handled twice.
    observers_.removeAll();
    std::weak_ptr<TerminalStore> weak = weak_from_this();
    observers_.insert(manager->accessoryDidConnect().sink([weak](const accessory::AccessoryRef& accessory) {
        if (auto store = weak.lock())
            store->accessoryDidConnect(accessory);
    }));
    observers_.insert(manager->accessoryDidDisconnect().sink([weak](const accessory::AccessoryRef& accessory) {
        if (auto store = weak.lock())
            store->accessoryDidDisconnect(accessory);
    }));
    manager->registerForLocalNotifications();
}

void TerminalStore::releaseObservers()
{
    closeSequence();
    manager->unregisterForLocalNotifications();
    if (terminalReopenRetryTimer_)
        terminalReopenRetryTimer_->invalidate();
    terminalReopenRetryTimer_.reset();
    observers_.removeAll();
}

void TerminalStore::subscribeSdkState()
{
    foundation::RunLoop::main().post([weak = weak_from_this()] {
        auto store = weak.lock();
        if (!store || !store->sdkStateData_)
            return;
        store->cancellables_.insert(store->sdkStateData_->sdkState().sink([weak](SdkState state) {
            if (auto store = weak.lock())
                store->isActOn = state == SdkState::OPERATING;
        }));
    });
}

void TerminalStore::accessoryDidConnect(const accessory::AccessoryRef& accessory)
{
    constexpr std::string_view function = "accessoryDidConnect(_:)";
    if (!applicationIsActive()) {
        log("####Skipped(not active) EAAccessoryDidConnect. Extracted accessories from EAAccessoryDidConnect notification object.",
            LogLevel::information, function, {{"Accessories", accessory ? accessory->description() : "nil"}});
        return;
    }
    if (!accessory) {
        log("Cannot extracted connected accessory from EAAccessoryDidConnect notification object.", LogLevel::error,
            function,
            {{"Note", "If this message is called, this process is either not called properly as the observation process "
                      "for EAAccessoryDidConnect or it is a bug in ExternalAccessory."}});
        return;
    }
    log("Extracted accessories from EAAccessoryDidConnect notification object.", LogLevel::information, function,
        {{"Accessories", accessory->description()}});
    for (const auto& protocol : accessory->protocolStrings()) {
        if (!supportedAccessoryProtocols().contains(protocol))
            continue;
        refreshTerminalList();
        if (targetTerminalUdid_ == accessory->serialNumber())
            reopen();
        return;
    }
    log("This accessory is not yet authenticated.", LogLevel::information, function);
}

void TerminalStore::accessoryDidDisconnect(const accessory::AccessoryRef& accessory)
{
    if (!accessory)
        return;
    const auto terminal = this->terminal();
    const auto session = terminal ? terminal->session() : nullptr;
    const auto& current = session ? session->accessory() : nullptr;
    if (current && current->connectionID() == accessory->connectionID()) {
        log("Close terminal on notified EAAccessoryDidDisconnect.", LogLevel::information, "accessoryDidDisconnect(_:)",
            {{"Accessory", accessory->description()}});
        closeTerminal();
        sessionDidEnd();
        return;
    }
    log("Received EAAccessoryDidDisconnect.", LogLevel::debug, "accessoryDidDisconnect(_:)",
        {{"Accessory", accessory->description()}});
}

void TerminalStore::centralManagerDidUpdateState(bt::PowerState state)
{
    log(bluetoothStateText(state), LogLevel::information, "centralManagerDidUpdateState(_:)");
    centralState_ = state;
}

// Terminal events

void TerminalStore::receivedMessage(const foundation::Bytes& message)
{
    // A peer sending garbage must not fill the disk with its hex: a chunk shows its first bytes.
    const std::string hex = foundation::hexStringCut(message, " ", LOGGED_CHUNK_BYTES);
    myLog("蓝牙数据", "收到数据：" + hex, false, "receivedMessage(message:)");
    log(hex, LogLevel::information, "receivedMessage(message:)");
    if (auto dataCodingModel = this->dataCodingModel())
        dataCodingModel->decode(message);
}

void TerminalStore::streamOpenCompleted()
{
    if (auto delegate = this->delegate())
        delegate->terminalOpenDidSucceed();
}

void TerminalStore::streamErrorOccurred()
{
    if (auto delegate = this->delegate())
        delegate->terminalErrorOccurred("ErrorOccurred");
    sessionDidEnd();
}

void TerminalStore::streamEndEncountered()
{
    sessionDidEnd();
}

} // namespace tolvane::app
