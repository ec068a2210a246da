#include "foundation/LocalizedDateFormatter.h"
#include "foundation/Locale.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono;

TEST(LocalizedDateFormatterTest, ATemplateBecomesTheLocalesPatternInTheChosenZone)
{
    const foundation::Date date(duration_cast<foundation::Date::duration>((sys_days{2026y / 3 / 5} + hours{6} + minutes{4}).time_since_epoch()));
    const struct {
        const char* locale;
        const char* zone;
        const char* dateTemplate;
        const char* text;
    } cases[] = {
        {"en_US", "Asia/Tokyo", "yMdHm", "3/5/2026, 15:04"},
        {"en_US", "Europe/Berlin", "yMd", "3/5/2026"},
        {"en_US_POSIX", "Europe/Berlin", "Hm", "07:04"},
        {"ja_JP", "Asia/Tokyo", "yMdHm", "2026/3/5 15:04"},
        {"de_DE", "Europe/Berlin", "yMd", "5.3.2026"},
        // A locale that counts years in another calendar still shows the Gregorian year.
        {"th_TH", "Asia/Bangkok", "yMd", "5/3/2026"},
    };
    for (const auto& c : cases) {
        foundation::LocalizedDateFormatter formatter;
        formatter.setLocale(c.locale);
        formatter.setTimeZone(*foundation::TimeZone::fromIdentifier(c.zone));
        formatter.setLocalizedDateFormatFromTemplate(c.dateTemplate);
        EXPECT_EQ(formatter.string(date), c.text) << c.locale << " " << c.dateTemplate;
    }
}

TEST(LocalizedDateFormatterTest, TheUsersLocaleComesFromTheEnvironmentUnlessChosen)
{
    foundation::Locale::setCurrentIdentifier("ja_JP");
    EXPECT_EQ(foundation::LocalizedDateFormatter().locale(), "ja_JP");
    foundation::Locale::setCurrentIdentifier(std::nullopt);
    EXPECT_NE(foundation::Locale::currentIdentifier(), "ja_JP");
}

} // namespace
