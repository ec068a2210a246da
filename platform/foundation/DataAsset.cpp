#include "foundation/DataAsset.h"

#include <QFile>
#include <QString>

namespace foundation {

std::optional<Bytes> dataAsset(std::string_view name)
{
    if (name.empty())
        return std::nullopt;
    QFile file(QStringLiteral(":/assets/") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray contents = file.readAll();
    return Bytes(contents.begin(), contents.end());
}

} // namespace foundation
