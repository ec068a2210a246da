#include "haptics/HapticsSystem.h"
#include "haptics/LoggingHapticsSystem.h"
#include "support/CapturingSystemLog.h"

#include <gtest/gtest.h>

namespace {

using haptics::HapticEvent;

TEST(LoggingHapticsSystemTest, IsTheDefaultSystemUntilAnotherIsInstalled)
{
    EXPECT_NE(dynamic_cast<haptics::LoggingHapticsSystem*>(haptics::hapticsSystem().get()), nullptr);
    auto other = std::make_shared<haptics::LoggingHapticsSystem>();
    haptics::setHapticsSystem(other);
    EXPECT_EQ(haptics::hapticsSystem(), other);
    EXPECT_EQ(haptics::setHapticsSystem(nullptr), other);
    EXPECT_NE(haptics::hapticsSystem(), other);
}

TEST(LoggingHapticsSystemTest, WritesEveryStartedPatternToTheLog)
{
    testing_support::ScopedSystemLogCapture log;
    haptics::LoggingHapticsSystem system;
    ASSERT_TRUE(system.capabilitiesForHardware().supportsHaptics);
    const auto engine = system.makeEngine();
    ASSERT_NE(engine, nullptr);
    ASSERT_TRUE(engine->start());
    const auto pattern = haptics::HapticPattern::make({
        {.relativeTime = 0.0, .duration = 0.05, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
        {.relativeTime = 0.3, .duration = 0.05, .intensity = 0.5f, .sharpness = 0.2f, .sustained = 1.0f},
    });
    const auto player = engine->makePlayer(*pattern);
    ASSERT_NE(player, nullptr);
    EXPECT_TRUE(player->start(0.0));

    ASSERT_EQ(log->records.size(), 1u);
    EXPECT_EQ(log->records[0].type, foundation::SystemLogType::debug);
    EXPECT_EQ(log->records[0].category, "Haptics");
    EXPECT_EQ(log->records[0].line,
              "Haptic pattern at +0.000 s:"
              " [continuous 0.000 s for 0.050 s, intensity 1.00, sharpness 1.00, sustained 1.00]"
              " [continuous 0.300 s for 0.050 s, intensity 0.50, sharpness 0.20, sustained 1.00]");
}

TEST(LoggingHapticsSystemTest, WritesNothingWhileDebugRecordsAreOff)
{
    testing_support::ScopedSystemLogCapture log;
    log->disabled = foundation::SystemLogType::debug;
    haptics::LoggingHapticsSystem system;
    const auto player = system.makeEngine()->makePlayer(*haptics::HapticPattern::make({}));
    EXPECT_TRUE(player->start(0.0));
    EXPECT_TRUE(log->records.empty());
}

} // namespace
