#include "device/DeviceBattery.h"

#include "device/PowerSupplyBattery.h"
#include "foundation/ProcessWide.h"

namespace device {
namespace {

foundation::ProcessWide<IDeviceBattery>& processBattery()
{
    static foundation::ProcessWide<IDeviceBattery> battery(
        []() -> std::shared_ptr<IDeviceBattery> { return std::make_shared<PowerSupplyBattery>(); });
    return battery;
}

} // namespace

std::shared_ptr<IDeviceBattery> deviceBattery()
{
    return processBattery().get();
}

std::shared_ptr<IDeviceBattery> setDeviceBattery(std::shared_ptr<IDeviceBattery> battery)
{
    return processBattery().install(std::move(battery));
}

} // namespace device
