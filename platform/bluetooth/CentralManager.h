#pragma once

#include "bluetooth/Authorization.h"
#include "bluetooth/IBluetoothPower.h"
#include "bluetooth/PowerState.h"
#include "foundation/LoopChecker.h"
#include "rx/Cancellable.h"

#include <functional>
#include <memory>

namespace bt {

// What a screen owns to follow the phone's Bluetooth: once it has a delegate it reports the state
// it finds, on the main loop's next turn, and after that every change. Main thread only.
class CentralManager {
public:
    using StateHandler = std::function<void(PowerState)>;

    // Over the process-wide Bluetooth power, as it is at first use, unless given another.
    explicit CentralManager(std::shared_ptr<IBluetoothPower> power = nullptr);
    ~CentralManager();
    CentralManager(const CentralManager&) = delete;
    CentralManager& operator=(const CentralManager&) = delete;

    // The application's permission, the same for every manager.
    static Authorization authorization();

    PowerState state();
    // Replaces the delegate; a null handler stops the reports.
    void setDelegate(StateHandler handler);

private:
    IBluetoothPower& power();

    std::shared_ptr<IBluetoothPower> power_;
    // Shared with the posted first report, which must not outlive the manager.
    std::shared_ptr<StateHandler> handler_;
    rx::Cancellable changes_;
    foundation::LoopChecker loopChecker_;
};

} // namespace bt
