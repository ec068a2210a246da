#include "Internal/Model/SLIP.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

namespace {

using foundation::Bytes;
using tolvane::SLIP;

struct FramingCase {
    Bytes input;
    Bytes output;
};

TEST(SLIPTest, EncodeFramesAndEscapesOneMessage)
{
    const std::vector<FramingCase> cases = {
        {{}, {}},
        {{0x41}, {0xC0, 0x41, 0xC0}},
        {{0xC0, 0xDB}, {0xC0, 0xDB, 0xDC, 0xDB, 0xDD, 0xC0}},
        {{0xDC, 0xDD}, {0xC0, 0xDC, 0xDD, 0xC0}},
        {{0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6B, 0x6B},
         {0xC0, 0x00, 0x01, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x6B, 0x6B, 0xC0}},
    };
    for (const FramingCase& c : cases)
        EXPECT_EQ(SLIP::encode(c.input), c.output) << foundation::hexString(c.input, " ");
}

TEST(SLIPTest, DecodeDropsEveryEndAndKeepsLoneEscapes)
{
    const std::vector<FramingCase> cases = {
        {{}, {}},
        {{0xC0, 0xDB, 0xDC, 0xDB, 0xDD, 0xC0}, {0xC0, 0xDB}},
        {{0xC0, 0x41, 0xC0, 0xC0, 0x42, 0xC0}, {0x41, 0x42}}, // two frames passed together merge
        {{0xC0, 0xDB, 0x41, 0xC0}, {0xDB, 0x41}},
        {{0x41, 0xDB}, {0x41, 0xDB}}, // a trailing ESC is data, nothing is read past it
        {{0xDB, 0xC0}, {0xDB}}, // the END after a lone ESC is still a delimiter
        {{0xDB, 0xDB, 0xDC}, {0xDB, 0xC0}},
        {{0x41, 0x42}, {0x41, 0x42}}, // no delimiters needed
        {{0xC0, 0xC0, 0xC0}, {}},
    };
    for (const FramingCase& c : cases) {
        EXPECT_EQ(SLIP::decode(c.input), c.output) << foundation::hexString(c.input, " ");
        // Into a fixed buffer: the same bytes as far as they fit, and the whole length.
        std::array<uint8_t, 1> first{};
        EXPECT_EQ(SLIP::decode(c.input, first), c.output.size()) << foundation::hexString(c.input, " ");
        if (!c.output.empty()) {
            EXPECT_EQ(first[0], c.output[0]) << foundation::hexString(c.input, " ");
        }
    }
}

TEST(SLIPTest, AnyMessageSurvivesTheRoundTripInOneBoundedFrame)
{
    std::mt19937 random(20240611);
    // Favour the bytes that need escaping so that every path is taken often.
    const uint8_t special[] = {0xC0, 0xDB, 0xDC, 0xDD};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> byte(0, 255);
    std::bernoulli_distribution pickSpecial(0.3);
    std::uniform_int_distribution<int> specialIndex(0, 3);
    for (int round = 0; round < 2000; ++round) {
        Bytes message(static_cast<size_t>(length(random)));
        for (uint8_t& b : message)
            b = pickSpecial(random) ? special[specialIndex(random)] : static_cast<uint8_t>(byte(random));

        const Bytes frame = SLIP::encode(message);
        ASSERT_EQ(SLIP::decode(frame), message) << foundation::hexString(message, " ");
        if (message.empty()) {
            EXPECT_TRUE(frame.empty());
            continue;
        }
        EXPECT_GE(frame.size(), message.size() + 2);
        EXPECT_LE(frame.size(), 2 * message.size() + 2);
        EXPECT_EQ(frame.front(), 0xC0);
        EXPECT_EQ(frame.back(), 0xC0);
        EXPECT_EQ(std::count(frame.begin(), frame.end(), uint8_t{0xC0}), 2) << "END only at both ends";
    }
}

} // namespace
