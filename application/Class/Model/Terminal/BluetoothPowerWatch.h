#pragma once

#include "bluetooth/PowerState.h"
#include "rx/Cancellable.h"

#include <functional>
#include <memory>

namespace bt {
class IBluetoothPower;
}

namespace tolvane::app {

// The phone's Bluetooth power as the accessory backend reports it: its first report, as a new
// central manager gives it, then every change, each logged. Main thread only.
class BluetoothPowerWatch {
public:
    // Hands `power`'s first report (on the main loop) and each change to `report`; nothing when
    // there is no power to follow.
    void follow(const std::shared_ptr<bt::IBluetoothPower>& power, std::function<void(bt::PowerState)> report);
    // Logs the reported state and keeps it.
    void update(bt::PowerState state);
    bt::PowerState state() const { return state_; }

private:
    bt::PowerState state_ = bt::PowerState::unknown;
    rx::CancellableSet changes_;
};

} // namespace tolvane::app
