#include "Class/Model/Terminal/TerminalStore.h"

#include "Class/Model/Terminal/AccessoryArrivalReaction.h"
#include "Class/Model/Terminal/AccessoryArrivalWatch.h"
#include "Class/Model/Terminal/BluetoothPowerWatch.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalCloseTimer.h"
#include "Class/Model/Terminal/TerminalClosing.h"
#include "Class/Model/Terminal/TerminalOpenRetry.h"
#include "Class/Model/Terminal/TerminalRunEndClose.h"
#include "Class/Model/Terminal/TerminalSendCycle.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/Model/Utility/LogManager.h"
#include "Class/Model/Utility/MyLog.h"

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
#include "ui/Application.h"

#include <algorithm>
#include <initializer_list>

namespace tolvane::app {
namespace {

void log(LogMessage message, LogLevel level, std::string_view function, std::vector<LabelledValue> values = {})
{
    LogManager::print(std::move(message), level, {.values = std::move(values), .function = function});
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
    return {.manager = manager,
            .bluetoothPower = bt::bluetoothPower(),
            .applicationState = [] { return static_cast<int>(ui::Application::shared().applicationState()); }};
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
    store->bluetoothPowerWatch_->follow(store->environment_.bluetoothPower, [weak](bt::PowerState state) {
        if (auto store = weak.lock())
            store->centralManagerDidUpdateState(state);
    });
    return store;
}

TerminalStore::TerminalStore(Environment environment)
    : TerminalStoreBase(environment.manager),
      environment_(std::move(environment)),
      sendCycle_(std::make_unique<TerminalSendCycle>()),
      openRetry_(std::make_shared<TerminalOpenRetry>()),
      closeTimer_(std::make_unique<TerminalCloseTimer>()),
      accessoryArrivalWatch_(std::make_unique<AccessoryArrivalWatch>(manager)),
      bluetoothPowerWatch_(std::make_unique<BluetoothPowerWatch>())
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
    if (!delegate) {
        log("TerminalStore event is not mounted.", LogLevel::debug, "delegate");
        return;
    }
    const TerminalProtocol& mounted = *delegate;
    log("TerminalStore event is mounted on " + foundation::className(typeid(mounted)) + ".", LogLevel::debug, "delegate");
}

std::shared_ptr<Terminal> TerminalStore::terminal() const
{
    return terminal_.copy();
}

void TerminalStore::setTerminal(std::shared_ptr<Terminal> terminal)
{
    const auto current = this->terminal();
    if (current == terminal)
        return;
    // The send cycle and the session belong to the terminal they were opened for: a terminal that
    // is let go takes both with it, so that the next open starts its own.
    if (current) {
        stopCycle();
        if (current->session()) {
            closeSession(*current);
            if (bluetoothSocketModel_)
                bluetoothSocketModel_->notifyDisconnectedBluetoothConnection();
        }
    }
    terminal_.set(std::move(terminal));
}

void TerminalStore::closeSession(Terminal& terminal)
{
    terminal.close();
    terminal.setSession(nullptr);
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

bool TerminalStore::isOpening() const
{
    const auto terminal = this->terminal();
    const auto session = terminal ? terminal->session() : nullptr;
    if (!session || isConnected())
        return false;
    // A stream that failed or ended is no open under way: it must not hold off the next one.
    auto stillOpening = [](const accessory::Stream* stream) {
        return stream && (stream->status() == accessory::StreamStatus::notOpen || stream->status() == accessory::StreamStatus::open);
    };
    return stillOpening(session->inputStream().get()) && stillOpening(session->outputStream().get());
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
    if (retryCount == maximumRetryCount && openRetry_->isRunning()) {
        log("Cannot open terminal because it is retrying open.", LogLevel::information, function);
        return;
    }
    if (retryCount != maximumRetryCount)
        openRetry_->cancel();
    // A session whose streams are still opening on their threads is not connected yet, and a second
    // one would be opened under it.
    if (isConnected() || isOpening()) {
        log("Cannot open Terminal because it is opening.", LogLevel::information, function);
        return;
    }
    targetTerminalUdid_ = udid;
    if (auto delegate = this->delegate())
        delegate->terminalOpenWillStart();

    std::weak_ptr<TerminalStore> weak = weak_from_this();
    if (openTerminal()) {
        completion(true);
        // A link closed or replaced before this runs gets no report and no cycle.
        foundation::RunLoop::main().post([weak, opened = std::weak_ptr<Terminal>(terminal())] {
            auto store = weak.lock();
            const auto terminal = opened.lock();
            if (!store || !terminal || store->terminal() != terminal || !terminal->session())
                return;
            if (store->bluetoothSocketModel_)
                store->bluetoothSocketModel_->notifyConnectedBluetoothConnection();
            store->startCycle();
        });
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
    openRetry_->start(
        retryCount,
        [weak] {
            auto store = weak.lock();
            return store && store->openTerminal();
        },
        [weak, openPattern, completion](bool result) {
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

bool TerminalStore::hasRetryTimer() const
{
    return openRetry_->isRunning();
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
    openRetry_->cancel();
    if (const auto terminal = this->terminal()) {
        stopCycle();
        closeSession(*terminal);
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
    auto closing = terminal();
    if (!closing) {
        completion();
        return;
    }
    // The terminal closed now is the one waited for, whatever an open in between makes current.
    foundation::RunLoop::main().post([weak = weak_from_this(), closing = std::move(closing), completion] {
        if (auto store = weak.lock())
            store->closeWhenStreamsEnd(closing, completion);
    });
}

void TerminalStore::closeSequence()
{
    closeTerminal();
    targetTerminalUdid_.reset();
    releaseCloseTimer();
    if (auto closing = terminal())
        closeWhenStreamsEnd(std::move(closing), [] {});
}

void TerminalStore::close(std::function<void()> completion)
{
    closeWhenStreamsEnd(terminal(), std::move(completion));
}

void TerminalStore::closeWhenStreamsEnd(std::shared_ptr<Terminal> closing, std::function<void()> completion)
{
    log("closeWaitTask start.", LogLevel::debug, "close(completion:)");
    std::weak_ptr<TerminalStore> weak = weak_from_this();
    auto streamsOpen = [closing] {
        return closing && !(closing->isInputStreamEndEncountered() && closing->isOutputStreamEndEncountered());
    };
    TerminalClosing::waitForStreamsEnd(weak, streamsOpen, [weak, closing, completion] {
        foundation::RunLoop::main().post([weak, closing, completion] {
            if (auto store = weak.lock())
                store->closeWaitCleanUp(closing, completion);
        });
    });
}

void TerminalStore::closeWaitCleanUp(const std::shared_ptr<Terminal>& closing, const std::function<void()>& completion)
{
    if (!closing) {
        completion();
        return;
    }
    TerminalClosing::forceOpenStreamsClosed(*closing);
    log("closeWaitTask end.", LogLevel::debug, "close(completion:)");
    closing->setSession(nullptr);
    // A terminal opened since is the store's now and stays open.
    if (terminal() == closing)
        setTerminal(nullptr);
    completion();
}

void TerminalStore::releaseCloseTimer()
{
    closeTimer_->release();
}

void TerminalStore::closeTimerStart(std::optional<foundation::Seconds> timerInterval, bool necessaryDelegate)
{
    closeTimer_->start(weak_from_this(), timerInterval, necessaryDelegate);
}

bool TerminalStore::hasCloseTimer() const
{
    return closeTimer_->exists();
}

bool TerminalStore::isCloseTimerValid() const
{
    return closeTimer_->isValid();
}

void TerminalStore::sessionDidEnd()
{
    if (closeTimer_->invalidateIfPending())
        closeSequence();
    if (auto delegate = this->delegate())
        delegate->terminalSessionDidEnd();
}

void TerminalStore::backgroundClose(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId)
{
    TerminalRunEndClose::inBackground(*this, reqDisplayId, causeId);
}

void TerminalStore::noTransitionClose(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId)
{
    TerminalRunEndClose::withoutTransition(*this, reqDisplayId, causeId);
}

// The send cycle

void TerminalStore::startCycle()
{
    sendCycle_->start(dataCodingModel(), shared_from_this());
}

void TerminalStore::stopCycle()
{
    sendCycle_->stop();
}

bool TerminalStore::hasPeriodicSendTask() const
{
    return sendCycle_->isRunning();
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
    std::weak_ptr<TerminalStore> weak = weak_from_this();
    accessoryArrivalWatch_->follow(
        [weak](const accessory::AccessoryRef& accessory) {
            if (auto store = weak.lock())
                store->accessoryDidConnect(accessory);
        },
        [weak](const accessory::AccessoryRef& accessory) {
            if (auto store = weak.lock())
                store->accessoryDidDisconnect(accessory);
        });
}

void TerminalStore::releaseObservers()
{
    closeSequence();
    openRetry_->cancel();
    accessoryArrivalWatch_->stop();
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
    AccessoryArrivalReaction::arrived(*this, accessory);
}

void TerminalStore::accessoryDidDisconnect(const accessory::AccessoryRef& accessory)
{
    AccessoryArrivalReaction::departed(*this, accessory);
}

bt::PowerState TerminalStore::centralState() const
{
    return bluetoothPowerWatch_->state();
}

void TerminalStore::centralManagerDidUpdateState(bt::PowerState state)
{
    bluetoothPowerWatch_->update(state);
}

// Terminal events

void TerminalStore::receivedMessage(const foundation::Bytes& message)
{
    // A peer sending garbage must not fill the disk with its hex: a chunk shows its first bytes.
    auto hex = [message] { return foundation::hexStringCut(message, " ", LOGGED_CHUNK_BYTES); };
    myLog("蓝牙数据", [hex] { return "收到数据：" + hex(); }, false, "receivedMessage(message:)");
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
