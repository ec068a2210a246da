#include "Class/Model/VolumeStep.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using tolvane::app::volumeStep;

TEST(VolumeStepTest, StoredVolumesBecomeSliderStepsWithFloatRounding)
{
    struct Case {
        float volume;
        int64_t step;
    };
    const Case cases[] = {
        {1.0f, 7},        {6.0f / 7.0f, 6}, {5.0f / 7.0f, 5}, {4.0f / 7.0f, 4}, {3.0f / 7.0f, 2},
        {2.0f / 7.0f, 1}, {1.0f / 7.0f, 0}, {0.5f, 3},        {0.1f, 0},        {0.0f, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(volumeStep(c.volume), c.step) << c.volume;
}

// A preferences file may hold anything: out of range values must neither hang the launch nor reach
// the framework as a step above 7.
TEST(VolumeStepTest, OutOfRangeVolumesCountAsTheNearestEnd)
{
    constexpr float infinity = std::numeric_limits<float>::infinity();
    struct Case {
        float volume;
        int64_t step;
    };
    const Case cases[] = {
        {1.5f, 7}, {5.0e6f, 7}, {infinity, 7}, {-0.5f, 0}, {-infinity, 0}, {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(volumeStep(c.volume), c.step) << c.volume;
}

} // namespace
