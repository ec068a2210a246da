#include "Internal/Model/FrameCutter.h"

#include "support/HexBytes.h"

#include <gtest/gtest.h>

namespace {

using foundation::Bytes;
using testing_support::hexBytes;
using tolvane::FrameCutter;

std::vector<std::string> hexFrames(const FrameCutter::Frames& frames)
{
    std::vector<std::string> result;
    for (size_t i = 0; i < frames.size(); ++i)
        result.push_back(foundation::hexString(frames[i], " "));
    return result;
}

TEST(FrameCutterTest, CutsCompleteFramesAndKeepsTheUnfinishedTail)
{
    struct Case {
        const char* name;
        const char* pending;
        const char* chunk;
        std::vector<std::string> frames;
        const char* pendingAfter;
    };
    const std::vector<Case> cases = {
        {"empty chunk", "00 08", "", {}, "00 08"},
        {"ends only", "", "C0 C0 C0", {}, ""},
        {"an end closes the pending frame", "00 08 08", "C0", {"C0 00 08 08 C0"}, ""},
        {"one whole frame", "", "C0 00 08 08 80 00 00 00 00 00 00 00 C0",
         {"C0 00 08 08 80 00 00 00 00 00 00 00 C0"}, ""},
        {"first half of a frame", "", "C0 00 08 08 80 00", {}, "00 08 08 80 00"},
        {"second half of a frame", "00 08 08 80 00", "00 00 00 00 00 00 C0",
         {"C0 00 08 08 80 00 00 00 00 00 00 00 C0"}, ""},
        {"two frames, first first", "", "C0 01 02 C0 C0 03 04 C0", {"C0 01 02 C0", "C0 03 04 C0"}, ""},
        {"a frame and the start of the next", "", "C0 01 02 C0 C0 03 04", {"C0 01 02 C0"}, "03 04"},
        // Bytes before the first END are taken for a frame of their own; the length checks reject it.
        {"stray leading bytes", "", "55 66 C0 01 02 C0", {"C0 55 66 C0", "C0 01 02 C0"}, ""},
        {"escapes stay as received", "", "C0 DB DC DB DD C0", {"C0 DB DC DB DD C0"}, ""},
    };
    for (const Case& c : cases) {
        Bytes pending = hexBytes(c.pending);
        const auto cut = FrameCutter::appendAndCut(pending, hexBytes(c.chunk));
        EXPECT_EQ(hexFrames(cut.frames), c.frames) << c.name;
        EXPECT_EQ(foundation::hexString(pending, " "), c.pendingAfter) << c.name;
        EXPECT_EQ(cut.droppedBytes, 0u) << c.name;
    }
}

// A tail that reaches the cap can never become a message; it is dropped so that a peer that never
// sends an END cannot make the buffer grow.
TEST(FrameCutterTest, DropsATailThatReachesTheCap)
{
    Bytes pending;
    const Bytes justBelow(FrameCutter::kMaxPendingBytes - 1, 0x41);
    auto cut = FrameCutter::appendAndCut(pending, justBelow);
    EXPECT_EQ(cut.droppedBytes, 0u);
    EXPECT_EQ(pending.size(), FrameCutter::kMaxPendingBytes - 1);

    cut = FrameCutter::appendAndCut(pending, Bytes(5, 0x42));
    EXPECT_EQ(cut.droppedBytes, FrameCutter::kMaxPendingBytes + 4);
    EXPECT_TRUE(pending.empty());
    EXPECT_TRUE(cut.frames.empty());

    // What follows up to the next END is a frame of its own, and the stream recovers after it.
    cut = FrameCutter::appendAndCut(pending, hexBytes("43 C0 01 02 C0"));
    EXPECT_EQ(hexFrames(cut.frames), (std::vector<std::string>{"C0 43 C0", "C0 01 02 C0"}));
    EXPECT_EQ(cut.droppedBytes, 0u);
}

TEST(FrameCutterTest, AFrameBeforeTheCapInTheSameChunkIsKept)
{
    Bytes pending;
    Bytes chunk = hexBytes("C0 01 02 C0");
    chunk.insert(chunk.end(), 2 * FrameCutter::kMaxPendingBytes, 0x41);
    const auto cut = FrameCutter::appendAndCut(pending, chunk);
    EXPECT_EQ(hexFrames(cut.frames), std::vector<std::string>{"C0 01 02 C0"});
    EXPECT_EQ(cut.droppedBytes, 2 * FrameCutter::kMaxPendingBytes);
    EXPECT_TRUE(pending.empty());
}

} // namespace
