#include "foundation/DateFormatter.h"
#include "foundation/TimeZone.h"
#include "foundation/UUID.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

foundation::Date utc(int y, unsigned mo, unsigned d, int h, int mi, int s, int ms = 0)
{
    return sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
}

TEST(DateAndIdentifierTest, FormatsInTheGivenZone)
{
    struct Case {
        std::string format, zone, expected;
    };
    const auto date = utc(2026, 12, 31, 23, 59, 58, 7);
    const std::vector<Case> cases = {
        {"yyyy/MM/dd HH:mm:ss.SSS", "UTC", "2026/12/31 23:59:58.007"},
        {"yyyy/MM/dd HH:mm:ss.SSS", "Asia/Tokyo", "2027/01/01 08:59:58.007"},
        {"yyMMdd", "America/New_York", "261231"},
        {"yyyyMMddHHmmss", "Asia/Kolkata", "20270101052958"},
    };
    for (const Case& c : cases) {
        const auto zone = foundation::TimeZone::fromIdentifier(c.zone);
        ASSERT_TRUE(zone) << c.zone;
        EXPECT_EQ(foundation::DateFormatter(c.format, *zone).string(date), c.expected) << c.zone;
    }
}

TEST(DateAndIdentifierTest, UnknownZonesAreNoneAndTheDefaultCanBeSetAndCleared)
{
    EXPECT_FALSE(foundation::TimeZone::fromIdentifier("Nowhere/City"));
    EXPECT_FALSE(foundation::TimeZone::fromIdentifier(""));
    const std::string system = foundation::TimeZone::current().identifier();
    foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("Asia/Tokyo"));
    EXPECT_EQ(foundation::TimeZone::current().identifier(), "Asia/Tokyo");
    EXPECT_EQ(foundation::TimeZone::current().localDate(utc(2026, 1, 1, 15, 0, 0)), year{2026} / 1 / 2);
    foundation::TimeZone::setDefault(std::nullopt);
    EXPECT_EQ(foundation::TimeZone::current().identifier(), system);
}

TEST(DateAndIdentifierTest, IdentifiersAreUpperCaseAndReadInEitherCase)
{
    const auto made = foundation::UUID::random();
    const std::string text = made.uuidString();
    ASSERT_EQ(text.size(), 36u);
    EXPECT_EQ(text[14], '4');
    EXPECT_EQ(foundation::UUID::fromString(text), made);
    EXPECT_NE(foundation::UUID::random(), made);

    const auto lower = foundation::UUID::fromString("0a1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d");
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->uuidString(), "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D");
    for (const char* bad : {"", "nope", "{0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4D}", "0A1B2C3D4E5F4A6B8C7D9E0F1A2B3C4D",
                            "0A1B2C3D-4E5F-4A6B-8C7D-9E0F1A2B3C4G", "0A1B2C3D-4E5F-4A6B-8C7D9-E0F1A2B3C4D"})
        EXPECT_FALSE(foundation::UUID::fromString(bad)) << bad;
}

} // namespace
