#pragma once

#include "foundation/Clock.h"
#include "foundation/TimeZone.h"

#include <memory>
#include <string>
#include <string_view>

namespace foundation {

// Dates as a locale writes them, in the Gregorian calendar and one time zone. The pattern comes
// from a template of fields ("yMdHm": year, month, day, 24-hour hour, minute), which the locale
// orders and punctuates in its own way. Made with the user's locale and the default time zone.
class LocalizedDateFormatter {
public:
    LocalizedDateFormatter();
    ~LocalizedDateFormatter();
    LocalizedDateFormatter(const LocalizedDateFormatter&) = delete;
    LocalizedDateFormatter& operator=(const LocalizedDateFormatter&) = delete;

    // A locale identifier such as "en_US", "ja_JP" or "en_US_POSIX".
    void setLocale(std::string identifier);
    const std::string& locale() const { return locale_; }
    void setTimeZone(TimeZone timeZone);
    const TimeZone& timeZone() const { return timeZone_; }
    // The pattern the current locale uses for the template's fields.
    void setLocalizedDateFormatFromTemplate(std::string_view dateTemplate);
    const std::string& dateFormat() const { return dateFormat_; }

    std::string string(Date date) const;

private:
    // ICU's formatters, one per locale and pattern, made when first used: making one costs far more
    // than formatting, and a list re-sets locale, zone and template for every row.
    struct Formatters;

    std::string locale_;
    TimeZone timeZone_;
    std::string dateFormat_;
    std::unique_ptr<Formatters> formatters_;
};

} // namespace foundation
