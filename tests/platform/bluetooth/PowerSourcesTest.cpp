#include "bluetooth/AdapterBluetoothPower.h"
#include "bluetooth/PowerStateText.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using bt::PowerState;

TEST(PowerSourcesTest, EachRawStateHasItsName)
{
    const std::pair<int, const char*> names[] = {{0, "unknown"},      {1, "resetting"},  {2, "unsupported"},
                                                 {3, "unauthorized"}, {4, "poweredOff"}, {5, "poweredOn"}};
    for (const auto& [raw, name] : names)
        EXPECT_EQ(bt::powerStateName(static_cast<PowerState>(raw)), name) << raw;
    EXPECT_FALSE(bt::powerStateName(static_cast<PowerState>(6)).has_value());
}

TEST(PowerSourcesTest, StateNamesReadBackAsTheirState)
{
    for (PowerState state : foundation::allCases<PowerState>())
        EXPECT_EQ(bt::powerStateFromText(bt::powerStateText(state)), state);
    EXPECT_EQ(bt::powerStateFromText("  poweredOff\n"), PowerState::poweredOff);
}

TEST(PowerSourcesTest, OtherTextNamesNoState)
{
    for (const char* text : {"", "\n", "on", "PoweredOn", "5", "poweredOn poweredOff"})
        EXPECT_FALSE(bt::powerStateFromText(text).has_value()) << text;
}

TEST(PowerSourcesTest, AdapterStateMapsOntoThePowerStates)
{
    EXPECT_EQ(bt::AdapterBluetoothPower::stateFor(false, false), PowerState::unsupported);
    EXPECT_EQ(bt::AdapterBluetoothPower::stateFor(false, true), PowerState::unsupported);
    EXPECT_EQ(bt::AdapterBluetoothPower::stateFor(true, true), PowerState::poweredOff);
    EXPECT_EQ(bt::AdapterBluetoothPower::stateFor(true, false), PowerState::poweredOn);
}

} // namespace
