#include "accessory/AccessoryDescription.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace accessory {

AccessoryDescription AccessoryDescription::parse(std::string_view json, AccessoryDescription defaults)
{
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size()))).object();
    AccessoryDescription description = std::move(defaults);
    if (object.value("name").isString())
        description.name = object.value("name").toString().toStdString();
    if (object.value("protocolStrings").isArray()) {
        description.protocolStrings.clear();
        for (const auto& value : object.value("protocolStrings").toArray())
            if (value.isString())
                description.protocolStrings.push_back(value.toString().toStdString());
    }
    return description;
}

} // namespace accessory
