#include "Internal/Model/VibrationKind.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace tolvane;
using haptics::HapticEvent;

TEST(VibrationKindTest, EachKindHasItsRepeatPeriodAndContinuousEvents)
{
    struct Case {
        VibrationKind kind;
        bool repeats;
        float period;
        std::vector<HapticEvent> events;
    };
    const std::vector<Case> cases = {
        {VibrationKind::operating, true, 0.75f,
         {{.relativeTime = 0.0, .duration = 0.05, .intensity = 0.5f, .sharpness = 0.2f, .sustained = 1.0f}}},
        {VibrationKind::interruption, false, 0.35f,
         {{.relativeTime = 0.0, .duration = 0.05, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
          {.relativeTime = 0.3, .duration = 0.05, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f}}},
        {VibrationKind::turnback, false, 1.25f,
         {{.relativeTime = 0.0, .duration = 0.25, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
          {.relativeTime = 0.5, .duration = 0.25, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
          {.relativeTime = 1.0, .duration = 0.25, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isRepeat(c.kind), c.repeats);
        EXPECT_EQ(period(c.kind), c.period);
        EXPECT_EQ(hapticEvents(c.kind), c.events);
    }
}

} // namespace
