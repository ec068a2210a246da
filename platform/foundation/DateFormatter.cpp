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

std::string DateFormatter::string(Date date) const
{
    const auto ms = std::chrono::floor<std::chrono::milliseconds>(date).time_since_epoch().count();
    const QTimeZone zone(QByteArray::fromStdString(timeZone_.identifier()));
    return QDateTime::fromMSecsSinceEpoch(ms, zone).toString(QString::fromStdString(qtFormat_)).toStdString();
}

} // namespace foundation
