#include "haptics/HapticPattern.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using haptics::HapticEvent;
using haptics::HapticPattern;

constexpr HapticEvent valid{.relativeTime = 0.5, .duration = 0.25, .intensity = 1.0f, .sharpness = 0.0f, .sustained = 1.0f};

TEST(HapticPatternTest, KeepsValidEventsInOrder)
{
    const HapticEvent first{.relativeTime = 0.0, .duration = 0.05, .intensity = 0.5f, .sharpness = 0.2f, .sustained = 1.0f};
    const auto pattern = HapticPattern::make({first, valid});
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(pattern->events(), (std::vector<HapticEvent>{first, valid}));
}

TEST(HapticPatternTest, RejectsEventsOutsideTheirRanges)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    auto with = [](auto change) {
        HapticEvent event = valid;
        change(event);
        return event;
    };
    const std::vector<std::pair<const char*, HapticEvent>> cases = {
        {"negative time", with([](HapticEvent& e) { e.relativeTime = -0.1; })},
        {"time not a number", with([&](HapticEvent& e) { e.relativeTime = nan; })},
        {"endless duration", with([&](HapticEvent& e) { e.duration = infinity; })},
        {"intensity above 1", with([](HapticEvent& e) { e.intensity = 1.5f; })},
        {"negative sharpness", with([](HapticEvent& e) { e.sharpness = -0.1f; })},
        {"sustain not a number", with([](HapticEvent& e) { e.sustained = std::numeric_limits<float>::quiet_NaN(); })},
    };
    for (const auto& [name, event] : cases)
        EXPECT_FALSE(HapticPattern::make({valid, event}).has_value()) << name;
}

} // namespace
