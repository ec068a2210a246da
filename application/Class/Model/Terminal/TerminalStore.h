#pragma once

#include "Class/Model/Terminal/Terminal.h"
#include "Class/Model/Terminal/TerminalProtocol.h"
#include "Class/Model/Terminal/TerminalStoreBase.h"
#include "Class/Model/Terminal/TerminalStorePeriodicSendTaskDataSource.h"

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "bluetooth/PowerState.h"
#include "foundation/Clock.h"
#include "foundation/Guarded.h"
#include "rx/Cancellable.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace bt {
class IBluetoothPower;
}

namespace tolvane {
class IBluetoothSocketModel;
class IDataCodingModel;
class ISdkModel;
class ISdkStateData;
} // namespace tolvane

namespace tolvane::app {

class AccessoryArrivalWatch;
class BluetoothPowerWatch;
class TerminalCloseTimer;
class TerminalOpenRetry;
class TerminalSendCycle;

// The one owner of the link to the in-car unit: when a session may open, retries of a failed open,
// closing on request, after a delay or when the run is over, accessory arrival and departure, the
// phone's Bluetooth power, and the 50 ms send cycle while a session is open. Everything here runs
// on the main thread except the sends (send thread) and the hand-over of received bytes (receive
// thread). The store decides when; the open retries, the close wait, the close timer, the close at
// the end of the run, the send cycle, the watches of accessories and Bluetooth power and the
// reactions to an accessory's arrival and departure are classes of their own.
class TerminalStore final : public TerminalStoreBase,
                            public TerminalDelegate,
                            public TerminalStorePeriodicSendTaskDataSource,
                            public std::enable_shared_from_this<TerminalStore> {
public:
    enum class ConnectionOpenPattern : int { first = 0, registration = 1, reopen = 2 };

    // What the store stands on; the shared store gets the process's own unless told otherwise.
    struct Environment {
        std::shared_ptr<accessory::AccessoryManager> manager;
        // The phone's Bluetooth power, as the accessory backend sees it.
        std::shared_ptr<bt::IBluetoothPower> bluetoothPower;
        // The application's state as its raw number: 0 active, 1 inactive, 2 background; the
        // process's own is the running application's.
        std::function<int()> applicationState = [] { return 0; };
    };

    class PeriodicSendTask;

    static constexpr const char* eventTerminalListChangedKey = "TolvaneControl_TerminalChanged";
    // Bytes of a received chunk written into the log in hex.
    static constexpr size_t LOGGED_CHUNK_BYTES = 64;

    static std::shared_ptr<TerminalStore> shared();
    // Tears the shared store down, if there is one, and drops it; the next use makes a new one.
    static void destroyShared();
    // The environment of the next shared store (tests and the program's start); none goes back to
    // the process's own.
    static void setSharedEnvironment(std::optional<Environment> environment);
    static Environment processEnvironment();

    static std::shared_ptr<TerminalStore> make(Environment environment);
    ~TerminalStore() override;

    static const std::set<std::string>& supportedAccessoryProtocols();

    // The current screen's view model; every change is logged.
    std::shared_ptr<TerminalProtocol> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TerminalProtocol>& delegate);

    // A terminal whose session has both streams, each with its delegate.
    bool isConnected() const;
    bool isConnected(const std::string& udid) const;
    // A session was made and its streams are opening on their threads.
    bool isOpening() const;

    void open(const std::string& udid, ConnectionOpenPattern openPattern, int64_t retryCount,
              std::function<void(bool)> completion = [](bool) {});
    bool openTerminal();
    void reopen();
    void closeTerminal();
    // The phone's Bluetooth as the accessory backend in use sees it.
    const std::shared_ptr<bt::IBluetoothPower>& bluetoothPower() const { return environment_.bluetoothPower; }
    // Gives up opening: stops the retries, closes what was opened and forgets the target.
    void cancelOpen();
    void shutdownTerminal(std::function<void()> completion);
    // Waits for both streams of the current terminal to end, forces them closed after about 2.9 s,
    // drops that terminal, then calls the completion; asynchronous on the main thread.
    void close(std::function<void()> completion);
    void releaseCloseTimer();
    void closeTimerStart(std::optional<foundation::Seconds> timerInterval, bool necessaryDelegate);
    void backgroundClose(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId);
    void noTransitionClose(std::optional<RequiredDisplayId> reqDisplayId, std::optional<CauseId> causeId);

    void startCycle();
    void stopCycle();
    void enqueueSendTask();
    // Send thread: one encode and write, not logged.
    void sendOnce();

    void refreshTerminalList();
    void registerObservers();
    void releaseObservers();
    void subscribeSdkState();

    void accessoryDidConnect(const accessory::AccessoryRef& accessory);
    void accessoryDidDisconnect(const accessory::AccessoryRef& accessory);
    void centralManagerDidUpdateState(bt::PowerState state);

    // TerminalStorePeriodicSendTaskDataSource
    std::shared_ptr<Terminal> terminal() const override;
    bt::PowerState centralState() const override;

    // TerminalDelegate
    void receivedMessage(const foundation::Bytes& message) override;
    void streamOpenCompleted() override;
    void streamErrorOccurred() override;
    void streamEndEncountered() override;
    std::shared_ptr<TerminalDelegate> terminalDelegate() override { return shared_from_this(); }

    // The screens choose the terminal of the registration list. A terminal replaced by another
    // loses its send cycle and, when it has one, its session.
    void setTerminal(std::shared_ptr<Terminal> terminal);
    const std::optional<std::string>& targetTerminalUdid() const { return targetTerminalUdid_; }
    const std::vector<std::shared_ptr<Terminal>>& terms() const { return terms_; }
    bool hasPeriodicSendTask() const;
    bool hasRetryTimer() const;
    bool hasCloseTimer() const;
    // A close timer is held and has not fired or been invalidated.
    bool isCloseTimerValid() const;

    // Flags the application sets and reads.
    bool isTimedOut = false;
    bool isActOn = false;
    bool isBackground = false;
    bool isConnectionStop = false;
    bool isInterrupted = false;
    bool isInitialize = false;

private:
    // The parts that act on the store's link on its behalf.
    friend class AccessoryArrivalReaction;
    friend class TerminalCloseTimer;
    friend class TerminalRunEndClose;

    explicit TerminalStore(Environment environment);
    void resolveServices();

    void sessionOpenSucceeded(std::shared_ptr<Terminal> terminal);
    void sessionOpenFailed();
    void sessionDidEnd();
    // closeTerminal(), no target, no close timer, and the close of the terminal when there is one.
    void closeSequence();
    void closeWhenStreamsEnd(std::shared_ptr<Terminal> closing, std::function<void()> completion);
    void closeWaitCleanUp(const std::shared_ptr<Terminal>& closing, const std::function<void()>& completion);
    static void closeSession(Terminal& terminal);
    bool applicationIsActive() const;
    std::shared_ptr<IDataCodingModel> dataCodingModel() const;

    const Environment environment_;
    std::weak_ptr<TerminalProtocol> delegate_;
    const std::unique_ptr<TerminalSendCycle> sendCycle_;
    // Written on the main thread only; the one-shot send reads it on the send thread.
    foundation::Guarded<std::shared_ptr<Terminal>> terminal_;
    std::optional<std::string> targetTerminalUdid_;
    const std::shared_ptr<TerminalOpenRetry> openRetry_;
    const std::unique_ptr<TerminalCloseTimer> closeTimer_;
    foundation::Guarded<std::shared_ptr<IDataCodingModel>> dataCodingModel_; // also used on the receive thread
    std::shared_ptr<IBluetoothSocketModel> bluetoothSocketModel_;
    std::shared_ptr<ISdkModel> sdkModel_;
    std::shared_ptr<ISdkStateData> sdkStateData_;
    rx::CancellableSet cancellables_;
    const std::unique_ptr<AccessoryArrivalWatch> accessoryArrivalWatch_;
    const std::unique_ptr<BluetoothPowerWatch> bluetoothPowerWatch_;
    std::vector<std::shared_ptr<Terminal>> terms_;
};

} // namespace tolvane::app
