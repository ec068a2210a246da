#include "Class/Model/VibrationGenerator.h"
#include "foundation/VirtualTime.h"
#include "support/RecordingHapticsSystem.h"

#include <gtest/gtest.h>

namespace {

TEST(VibrationGeneratorTest, PulsesAtMostOnceEveryTenthOfASecond)
{
    struct Case {
        foundation::Seconds gap;
        size_t pulses;
    };
    for (const Case& c : {Case{0.05, 1}, Case{0.099, 1}, Case{0.1, 2}, Case{0.5, 2}}) {
        foundation::VirtualTime time;
        time.mainLoop();
        testing_support::ScopedRecordingHapticsSystem haptics;
        tolvane::app::VibrationGenerator generator;

        generator.vibrate();
        time.advance(c.gap);
        generator.vibrate();

        EXPECT_EQ(haptics->played.size(), c.pulses) << c.gap;
    }
}

TEST(VibrationGeneratorTest, ADroppedCallDoesNotPostponeTheNextPulse)
{
    foundation::VirtualTime time;
    time.mainLoop();
    testing_support::ScopedRecordingHapticsSystem haptics;
    tolvane::app::VibrationGenerator generator;

    generator.vibrate();
    time.advance(0.06);
    generator.vibrate();
    time.advance(0.06);
    generator.vibrate();

    ASSERT_EQ(haptics->played.size(), 2u);
    EXPECT_NEAR(haptics->played[1].at - haptics->played[0].at, 0.12, 1e-9);
}

} // namespace
