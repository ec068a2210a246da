#include "foundation/TimeZone.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <mutex>

namespace foundation {
namespace {

std::mutex defaultMutex;
std::optional<TimeZone> defaultZone;

// Asking the system costs a look at its zone file every time, and every log line asks; like the
// phone platform, the process keeps the zone it found at its first question.
const std::string& systemZoneIdentifier()
{
    static const std::string identifier = QTimeZone::systemTimeZoneId().toStdString();
    return identifier;
}

} // namespace

std::optional<TimeZone> TimeZone::fromIdentifier(std::string_view identifier)
{
    const QByteArray id(identifier.data(), static_cast<qsizetype>(identifier.size()));
    if (identifier.empty() || !QTimeZone::isTimeZoneIdAvailable(id))
        return std::nullopt;
    return TimeZone(std::string(identifier));
}

TimeZone TimeZone::current()
{
    {
        std::lock_guard lock(defaultMutex);
        if (defaultZone)
            return *defaultZone;
    }
    return TimeZone(systemZoneIdentifier());
}

void TimeZone::setDefault(std::optional<TimeZone> zone)
{
    std::lock_guard lock(defaultMutex);
    defaultZone = std::move(zone);
}

std::chrono::year_month_day TimeZone::localDate(Date date) const
{
    const auto ms = std::chrono::floor<std::chrono::milliseconds>(date).time_since_epoch().count();
    const QDate day = QDateTime::fromMSecsSinceEpoch(ms, QTimeZone(QByteArray::fromStdString(identifier_))).date();
    return std::chrono::year{day.year()} / std::chrono::month{static_cast<unsigned>(day.month())} /
           std::chrono::day{static_cast<unsigned>(day.day())};
}

} // namespace foundation
