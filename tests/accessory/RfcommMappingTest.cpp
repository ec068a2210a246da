#include "accessory/RfcommMapping.h"

#include <gtest/gtest.h>

namespace {

using accessory::RfcommMapping;

TEST(RfcommMappingTest, ProtocolStringNamesAStableVersionFiveServiceUuid)
{
    const auto uuid = RfcommMapping::serviceUuid("com.tolvane.control.protocol1");
    EXPECT_EQ(uuid, RfcommMapping::serviceUuid("com.tolvane.control.protocol1"));
    EXPECT_NE(uuid, RfcommMapping::serviceUuid("com.tolvane.control.protocol2"));
    ASSERT_EQ(uuid.size(), 38u);
    EXPECT_EQ(uuid.front(), '{');
    EXPECT_EQ(uuid[15], '5'); // the version digit
}

TEST(RfcommMappingTest, AddressTextBecomesTheKernelsByteOrder)
{
    const auto bytes = RfcommMapping::kernelAddress("00:1A:7D:DA:71:13");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, (std::array<uint8_t, 6>{0x13, 0x71, 0xDA, 0x7D, 0x1A, 0x00}));
    EXPECT_EQ(RfcommMapping::kernelAddress("aa:bb:cc:dd:ee:ff"),
              (std::array<uint8_t, 6>{0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA}));
}

TEST(RfcommMappingTest, AnythingButAnAddressHasNoKernelAddress)
{
    for (const char* text : {"", "VIN123", "00:1A:7D:DA:71", "00:1A:7D:DA:71:13:00", "00-1A-7D-DA-71-13",
                             "0G:1A:7D:DA:71:13", "001A7DDA7113"})
        EXPECT_FALSE(RfcommMapping::kernelAddress(text).has_value()) << text;
}

} // namespace
