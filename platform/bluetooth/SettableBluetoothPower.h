#pragma once

#include "bluetooth/IBluetoothPower.h"
#include "rx/Subject.h"

#include <atomic>

namespace bt {

// A power state set by its owner: the simulated vehicle's backend and tests.
class SettableBluetoothPower final : public IBluetoothPower {
public:
    explicit SettableBluetoothPower(PowerState initial, Authorization authorization = Authorization::allowedAlways);

    PowerState state() const override;
    rx::Publisher<PowerState> stateChanges() const override;
    Authorization authorization() const override;

    // Readers see the new state at once; subscribers hear of a change on the main loop's next turn.
    // Setting the state already held notifies nobody.
    void setState(PowerState state);
    void setAuthorization(Authorization authorization);

private:
    std::atomic<PowerState> state_;
    std::atomic<Authorization> authorization_;
    rx::PassthroughSubject<PowerState> changes_;
};

} // namespace bt
