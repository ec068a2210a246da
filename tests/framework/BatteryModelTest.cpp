#include "Internal/Model/BatteryModel.h"

#include "device/BatteryMonitoring.h"
#include "device/DeviceBattery.h"

#include <gtest/gtest.h>

namespace {

class FixedBattery final : public device::IDeviceBattery {
public:
    explicit FixedBattery(float level) : level_(level) {}
    float batteryLevel() const override { return level_; }

private:
    float level_;
};

TEST(BatteryModelTest, AStartNeedsAtLeastTwentyPercentOfAKnownLevel)
{
    const std::pair<float, bool> cases[] = {
        {1.0f, true}, {0.20f, true}, {0.19f, false}, {0.0f, false}, {-1.0f, false},
    };
    tolvane::BatteryModel model;
    device::setBatteryMonitoringEnabled(true);
    for (const auto& [level, enough] : cases) {
        const auto previous = device::setDeviceBattery(std::make_shared<FixedBattery>(level));
        EXPECT_EQ(model.requestCheckBatteryLevel(), enough) << level;
        device::setDeviceBattery(previous);
    }
    device::setBatteryMonitoringEnabled(false);
}

TEST(BatteryModelTest, TheLevelIsUnknownWhileBatteryMonitoringIsOff)
{
    const auto previous = device::setDeviceBattery(std::make_shared<FixedBattery>(0.8f));
    tolvane::BatteryModel model;
    EXPECT_FALSE(model.requestCheckBatteryLevel());
    device::setBatteryMonitoringEnabled(true);
    EXPECT_TRUE(model.requestCheckBatteryLevel());
    device::setBatteryMonitoringEnabled(false);
    device::setDeviceBattery(previous);
}

} // namespace
