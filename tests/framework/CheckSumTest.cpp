#include "Internal/Model/CheckSum.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CheckSumTest, KeepsTheLowEightBitsOfTheSumOfFieldValues)
{
    struct Case {
        std::vector<int64_t> values;
        uint32_t sum;
    };
    const std::vector<Case> cases = {
        {{}, 0},
        {{1, 8, 0, 0, 0, 0, 0, 0x6B}, 0x74},
        // Fields wider than a byte add their whole value: x 1022 and a 6-bit button of 62.
        {{1022, 62}, (1022 + 62) & 0xFF},
        {{0xFF, 1}, 0x00},
        {{-1}, 0xFF},
        {{INT64_MAX, INT64_MAX, 2}, 0x00},
    };
    for (const Case& c : cases)
        EXPECT_EQ(tolvane::checkSum(c.values), c.sum);
}

} // namespace
