#include "audio/PcmLoopSource.h"

#include <gtest/gtest.h>

namespace {

using audio::PcmLoopSource;
using foundation::Bytes;

Bytes readAll(PcmLoopSource& source, qint64 chunk, int maxReads = 100)
{
    Bytes out;
    for (int i = 0; i < maxReads; ++i) {
        Bytes buffer(static_cast<size_t>(chunk));
        const qint64 count = source.read(reinterpret_cast<char*>(buffer.data()), chunk);
        if (count <= 0)
            break;
        out.insert(out.end(), buffer.begin(), buffer.begin() + count);
    }
    return out;
}

class PcmLoopSourceTest : public ::testing::Test {
protected:
    PcmLoopSourceTest() { source.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    PcmLoopSource source{Bytes{1, 2, 3, 4, 5, 6}};
};

TEST_F(PcmLoopSourceTest, GivesNothingBeforeItIsRewound)
{
    EXPECT_TRUE(source.isFinished());
    EXPECT_TRUE(readAll(source, 4).empty());
}

TEST_F(PcmLoopSourceTest, PlaysOnceAndThenAsOftenAsTheLoopCountSays)
{
    source.rewind(0);
    EXPECT_EQ(readAll(source, 4), (Bytes{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(source.isFinished());

    source.rewind(2);
    EXPECT_EQ(readAll(source, 5), (Bytes{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6}));
}

TEST_F(PcmLoopSourceTest, NegativeLoopCountRepeatsWithoutEnd)
{
    source.rewind(-1);
    const Bytes read = readAll(source, 4, 30);
    EXPECT_EQ(read.size(), 120u);
    EXPECT_FALSE(source.isFinished());
}

} // namespace
