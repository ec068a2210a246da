#include "device/PowerSupplyBattery.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <map>
#include <string>

namespace {

namespace fs = std::filesystem;

// A power-supply folder of its own, shaped as the kernel's.
class PowerSupplyBatteryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    fs::path folder{dir.path().toStdString()};

    void supply(const std::string& name, const std::map<std::string, std::string>& attributes)
    {
        fs::create_directories(folder / name);
        for (const auto& [attribute, value] : attributes)
            std::ofstream(folder / name / attribute) << value << "\n";
    }

    float level() const { return device::PowerSupplyBattery(folder).batteryLevel(); }
};

TEST_F(PowerSupplyBatteryTest, TheSystemBatteryGivesItsCapacityAsAFraction)
{
    supply("AC", {{"type", "Mains"}, {"online", "1"}});
    supply("BAT0", {{"type", "Battery"}, {"present", "1"}, {"capacity", "57"}});
    EXPECT_FLOAT_EQ(level(), 0.57f);
}

TEST_F(PowerSupplyBatteryTest, TheFirstUsableBatteryInNameOrderCounts)
{
    supply("BAT1", {{"type", "Battery"}, {"capacity", "80"}});
    supply("BAT0", {{"type", "Battery"}, {"present", "0"}, {"capacity", "10"}});
    supply("hidpp_battery_0", {{"type", "Battery"}, {"scope", "Device"}, {"capacity", "5"}});
    EXPECT_FLOAT_EQ(level(), 0.80f);
}

TEST_F(PowerSupplyBatteryTest, AMachineWithoutABatteryOfItsOwnCountsAsFull)
{
    EXPECT_EQ(level(), 1.0f);
    supply("AC", {{"type", "Mains"}, {"online", "1"}});
    supply("BAT0", {{"type", "Battery"}, {"present", "0"}, {"capacity", "3"}});
    supply("hidpp_battery_0", {{"type", "Battery"}, {"scope", "Device"}, {"capacity", "5"}});
    EXPECT_EQ(level(), 1.0f);
}

TEST_F(PowerSupplyBatteryTest, NoLevelIsKnownWhenTheBatteryCannotBeRead)
{
    EXPECT_EQ(device::PowerSupplyBattery(folder / "missing").batteryLevel(), -1.0f);
    supply("AC", {{"type", "Mains"}});
    supply("BAT0", {{"type", "Battery"}, {"capacity", "full"}});
    supply("BAT1", {{"type", "Battery"}, {"capacity", "101"}});
    supply("BAT2", {{"type", "Battery"}});
    EXPECT_EQ(level(), -1.0f);
}

} // namespace
