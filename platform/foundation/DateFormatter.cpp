#include "foundation/DateFormatter.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace foundation {

DateFormatter::DateFormatter(std::string dateFormat, TimeZone timeZone)
    : qtFormat_(QString::fromStdString(dateFormat).replace(QStringLiteral("SSS"), QStringLiteral("zzz")).toStdString()),
      timeZone_(std::move(timeZone))
{
}

namespace {

// Making a zone copies its whole table of transitions; log lines come in a steady stream, in one
// zone, so each thread keeps the last one it made.
const QTimeZone& zoneNamed(const std::string& identifier)
{
    thread_local std::string lastIdentifier;
    thread_local QTimeZone last;
    if (identifier != lastIdentifier || !last.isValid()) {
        last = QTimeZone(QByteArray::fromStdString(identifier));
        lastIdentifier = identifier;
    }
    return last;
}

} // namespace

std::string DateFormatter::string(Date date) const
{
    const auto ms = std::chrono::floor<std::chrono::milliseconds>(date).time_since_epoch().count();
    return QDateTime::fromMSecsSinceEpoch(ms, zoneNamed(timeZone_.identifier())).toString(QString::fromStdString(qtFormat_)).toStdString();
}

} // namespace foundation
