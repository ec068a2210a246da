#include "bluetooth/BluetoothPower.h"

#include "bluetooth/AdapterBluetoothPower.h"
#include "foundation/ProcessWide.h"

namespace bt {
namespace {

foundation::ProcessWide<IBluetoothPower>& processPower()
{
    static foundation::ProcessWide<IBluetoothPower> power(
        []() -> std::shared_ptr<IBluetoothPower> { return std::make_shared<AdapterBluetoothPower>(); });
    return power;
}

} // namespace

std::shared_ptr<IBluetoothPower> bluetoothPower()
{
    return processPower().get();
}

std::shared_ptr<IBluetoothPower> setBluetoothPower(std::shared_ptr<IBluetoothPower> power)
{
    return processPower().install(std::move(power));
}

} // namespace bt
