#include "Class/Model/Terminal/BluetoothPowerWatch.h"

#include "Class/Model/Utility/LogManager.h"

#include "bluetooth/IBluetoothPower.h"
#include "foundation/RunLoop.h"

#include <string>

namespace tolvane::app {
namespace {

std::string powerStateText(bt::PowerState state)
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

} // namespace

void BluetoothPowerWatch::follow(const std::shared_ptr<bt::IBluetoothPower>& power,
                                 std::function<void(bt::PowerState)> report)
{
    if (!power)
        return;
    foundation::RunLoop::main().post([report, power] { report(power->state()); });
    changes_.insert(power->stateChanges().sink(std::move(report)));
}

void BluetoothPowerWatch::update(bt::PowerState state)
{
    LogManager::print(powerStateText(state), LogLevel::information, {.function = "centralManagerDidUpdateState(_:)"});
    state_ = state;
}

} // namespace tolvane::app
