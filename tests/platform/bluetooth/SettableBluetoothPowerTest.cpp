#include "bluetooth/SettableBluetoothPower.h"
#include "foundation/VirtualTime.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace {

using bt::PowerState;

TEST(SettableBluetoothPowerTest, AllSixStatesKeepThePlatformsRawValues)
{
    const auto& all = foundation::allCases<PowerState>();
    ASSERT_EQ(all.size(), 6u);
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(foundation::rawValue(all[i]), static_cast<int>(i));
    EXPECT_EQ(foundation::fromRaw<PowerState>(5), PowerState::poweredOn);
    EXPECT_EQ(foundation::fromRaw<PowerState>(6), std::nullopt);
}

TEST(SettableBluetoothPowerTest, ReadersSeeANewStateAtOnceAndSubscribersOnTheMainLoop)
{
    foundation::VirtualTime time;
    bt::SettableBluetoothPower power(PowerState::poweredOn);
    testing_support::Recorder<PowerState> changes(power.stateChanges());

    power.setState(PowerState::poweredOff);
    EXPECT_EQ(power.state(), PowerState::poweredOff);
    EXPECT_TRUE(changes.values.empty());
    time.runUntilIdle();
    EXPECT_EQ(changes.values, std::vector{PowerState::poweredOff});

    power.setState(PowerState::poweredOff);
    power.setState(PowerState::unauthorized);
    power.setState(PowerState::poweredOn);
    time.runUntilIdle();
    EXPECT_EQ(changes.values, (std::vector{PowerState::poweredOff, PowerState::unauthorized, PowerState::poweredOn}));
}

TEST(SettableBluetoothPowerTest, ANotificationStillQueuedWhenThePowerSourceGoesIsHarmless)
{
    foundation::VirtualTime time;
    auto power = std::make_unique<bt::SettableBluetoothPower>(PowerState::unknown);
    testing_support::Recorder<PowerState> changes(power->stateChanges());
    power->setState(PowerState::resetting);
    power.reset();
    time.runUntilIdle();
    EXPECT_EQ(changes.values, std::vector{PowerState::resetting});
}

} // namespace
