#include "bluetooth/BluetoothPower.h"
#include "bluetooth/CentralManager.h"
#include "bluetooth/SettableBluetoothPower.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using bt::PowerState;

TEST(CentralManagerTest, ADelegateHearsTheStateOnTheNextTurnThenEveryChangeUntilTheManagerGoes)
{
    foundation::VirtualTime time;
    auto power = std::make_shared<bt::SettableBluetoothPower>(PowerState::poweredOff);
    std::vector<PowerState> reports;
    auto manager = std::make_unique<bt::CentralManager>(power);
    manager->setDelegate([&](PowerState state) { reports.push_back(state); });
    EXPECT_TRUE(reports.empty());
    time.runUntilIdle();
    EXPECT_EQ(reports, std::vector{PowerState::poweredOff});

    power->setState(PowerState::poweredOn);
    time.runUntilIdle();
    EXPECT_EQ(reports, (std::vector{PowerState::poweredOff, PowerState::poweredOn}));

    power->setState(PowerState::poweredOff);
    manager.reset();
    time.runUntilIdle();
    EXPECT_EQ(reports.size(), 2u);
}

TEST(CentralManagerTest, TheAuthorisationKeepsThePlatformsRawValuesAndFollowsTheProcessWidePower)
{
    const auto& all = foundation::allCases<bt::Authorization>();
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(foundation::rawValue(bt::Authorization::allowedAlways), 3);

    foundation::VirtualTime time;
    auto power = std::make_shared<bt::SettableBluetoothPower>(PowerState::poweredOn);
    const auto previous = bt::setBluetoothPower(power);
    EXPECT_EQ(bt::CentralManager::authorization(), bt::Authorization::allowedAlways);
    power->setAuthorization(bt::Authorization::denied);
    EXPECT_EQ(bt::CentralManager::authorization(), bt::Authorization::denied);
    bt::setBluetoothPower(previous);
}

} // namespace
