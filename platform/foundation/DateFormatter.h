#pragma once

#include "foundation/Clock.h"
#include "foundation/TimeZone.h"

#include <string>

namespace foundation {

// Formats dates with the date-pattern letters y, M, d, H, m, s and S (milliseconds as "SSS") in
// one time zone, Gregorian, with Latin digits.
class DateFormatter {
public:
    DateFormatter(std::string dateFormat, TimeZone timeZone = TimeZone::current());

    void setTimeZone(TimeZone timeZone) { timeZone_ = std::move(timeZone); }
    const TimeZone& timeZone() const { return timeZone_; }

    std::string string(Date date) const;

private:
    std::string qtFormat_;
    TimeZone timeZone_;
};

} // namespace foundation
