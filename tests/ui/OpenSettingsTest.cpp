#include "ui/Application.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenSettingsTest, ADesktopOpensNoSettingsPageButCountsEachRequestUntilReset)
{
    ui::Application& application = ui::Application::shared();
    application.reset();
    EXPECT_FALSE(application.openSettings());
    EXPECT_FALSE(application.openSettings());
    EXPECT_EQ(application.settingsRequestCount(), 2);
    application.reset();
    EXPECT_EQ(application.settingsRequestCount(), 0);
}

} // namespace
