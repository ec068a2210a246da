#include "bluetooth/BluetoothPower.h"
#include "bluetooth/SettableBluetoothPower.h"

#include <gtest/gtest.h>

namespace {

TEST(BluetoothPowerTest, AnInstalledPowerIsTheProcessesUntilReplaced)
{
    auto simulated = std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOn);
    auto other = std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOff);
    const auto before = bt::setBluetoothPower(simulated);
    EXPECT_EQ(bt::bluetoothPower(), simulated);
    EXPECT_EQ(bt::setBluetoothPower(other), simulated);
    EXPECT_EQ(bt::bluetoothPower(), other);
    bt::setBluetoothPower(before);
}

} // namespace
