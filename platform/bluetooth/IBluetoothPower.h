#pragma once

#include "bluetooth/Authorization.h"
#include "bluetooth/PowerState.h"
#include "rx/Publisher.h"

namespace bt {

// The Bluetooth power state of this device, as the accessory backend in use sees it.
class IBluetoothPower {
public:
    virtual ~IBluetoothPower() = default;
    // The state now; safe to read from any thread.
    virtual PowerState state() const = 0;
    // Every change of state, delivered on the main run loop.
    virtual rx::Publisher<PowerState> stateChanges() const = 0;
    // Whether the application may use Bluetooth at all; safe to read from any thread.
    virtual Authorization authorization() const = 0;
};

} // namespace bt
