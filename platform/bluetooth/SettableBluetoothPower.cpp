#include "bluetooth/SettableBluetoothPower.h"

#include "foundation/RunLoop.h"

namespace bt {

SettableBluetoothPower::SettableBluetoothPower(PowerState initial, Authorization authorization)
    : state_(initial), authorization_(authorization)
{
}

PowerState SettableBluetoothPower::state() const
{
    return state_.load();
}

rx::Publisher<PowerState> SettableBluetoothPower::stateChanges() const
{
    return changes_.publisher();
}

void SettableBluetoothPower::setState(PowerState state)
{
    if (state_.exchange(state) == state)
        return;
    foundation::RunLoop::main().post([changes = changes_, state] { changes.send(state); });
}

Authorization SettableBluetoothPower::authorization() const
{
    return authorization_.load();
}

void SettableBluetoothPower::setAuthorization(Authorization authorization)
{
    authorization_.store(authorization);
}

} // namespace bt
