#include "Class/Model/Terminal/BluetoothPowerWatch.h"

#include "Class/Model/Utility/LogManager.h"

#include "bluetooth/IBluetoothPower.h"
#include "foundation/RunLoop.h"

#include <string>

namespace tolvane::app {
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
    LogManager::print("Bluetooth " + std::string(bt::powerStateName(state).value_or("@unknown default")),
                      LogLevel::information, {.function = "centralManagerDidUpdateState(_:)"});
    state_ = state;
}

} // namespace tolvane::app
