#include "ui/ScreenMetrics.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenMetricsTest, FirstWindowGivesTheSafeAreaAndTestsMaySetTheScreen)
{
    auto& metrics = ui::ScreenMetrics::shared();
    EXPECT_EQ(metrics.mainBounds(), (ui::Rect{0, 0, 390, 844}));
    EXPECT_FALSE(metrics.firstWindowSafeAreaInsets().has_value());

    metrics.setScreenSize({428, 926});
    metrics.setDeviceSafeAreaInsets({44, 0, 20, 0});
    {
        ui::Window first;
        ui::Window second;
        second.setSafeAreaInsets({});
        EXPECT_EQ(first.frame(), (ui::Rect{0, 0, 428, 926}));
        EXPECT_EQ(metrics.firstWindowSafeAreaInsets(), (ui::EdgeInsets{44, 0, 20, 0}));
    }
    EXPECT_FALSE(metrics.firstWindowSafeAreaInsets().has_value());
    metrics.resetToDefaults();
    EXPECT_EQ(metrics.mainBounds(), (ui::Rect{0, 0, 390, 844}));
}

} // namespace
