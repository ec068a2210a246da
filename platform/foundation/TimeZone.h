#pragma once

#include "foundation/Clock.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace foundation {

// A time zone by its identifier ("Asia/Tokyo"). The process default is the system's zone (as it was
// when first asked for) until someone sets another, as the phone platform lets an application do.
class TimeZone {
public:
    // None when the identifier names no zone the system knows.
    static std::optional<TimeZone> fromIdentifier(std::string_view identifier);
    static TimeZone current();
    // Replaces the process default; none goes back to the system's zone.
    static void setDefault(std::optional<TimeZone> zone);

    const std::string& identifier() const { return identifier_; }
    // The calendar day that `date` falls on in this zone.
    std::chrono::year_month_day localDate(Date date) const;

    bool operator==(const TimeZone&) const = default;

private:
    explicit TimeZone(std::string identifier) : identifier_(std::move(identifier)) {}

    std::string identifier_;
};

} // namespace foundation
