#include "foundation/Bytes.h"

#include <gtest/gtest.h>

namespace {

TEST(BytesTest, HexStringJoinsUpperCaseDigitPairs)
{
    const foundation::Bytes bytes = {0x00, 0x0A, 0xFF};
    EXPECT_EQ(foundation::hexString(bytes, " "), "00 0A FF");
    EXPECT_EQ(foundation::hexString(bytes), "000AFF");
    EXPECT_EQ(foundation::hexString({}, " "), "");
}

TEST(BytesTest, HexStringCutShowsTheFirstBytesAndTheLength)
{
    const foundation::Bytes bytes = {0x01, 0x02, 0x03, 0x04};
    EXPECT_EQ(foundation::hexStringCut(bytes, " ", 4), "01 02 03 04");
    EXPECT_EQ(foundation::hexStringCut(bytes, " ", 2), "01 02 ... (4 bytes)");
    EXPECT_EQ(foundation::hexStringCut(bytes, " ", 0), " ... (4 bytes)");
}

TEST(BytesTest, BigEndianArrayPutsTheHighByteFirst)
{
    EXPECT_EQ(foundation::bigEndianArray(5), (std::array<uint8_t, 2>{0x00, 0x05}));
    EXPECT_EQ(foundation::bigEndianArray(0x1234), (std::array<uint8_t, 2>{0x12, 0x34}));
    EXPECT_EQ(foundation::bigEndianArray(0xFFFF), (std::array<uint8_t, 2>{0xFF, 0xFF}));
}

} // namespace
