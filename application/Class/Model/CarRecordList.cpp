#include "Class/Model/CarRecordList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace tolvane::app {
namespace {

constexpr const char* kListKey = "CarRecords";

using Member = std::string CarRecord::*;
struct Field {
    const char* key;
    Member member;
};
// QJsonObject writes its members in key order, which is also the order of the fields.
constexpr std::array<Field, 5> kFields = {{
    {"CarID", &CarRecord::CarID},
    {"CarImagePath", &CarRecord::CarImagePath},
    {"CarName", &CarRecord::CarName},
    {"CreateDate", &CarRecord::CreateDate},
    {"UpdateDate", &CarRecord::UpdateDate},
}};

std::optional<CarRecordList> failure(std::string* reason, std::string text)
{
    if (reason)
        *reason = std::move(text);
    return std::nullopt;
}

} // namespace

std::optional<CarRecordList> CarRecordList::decode(std::string_view json, std::string* reason)
{
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return failure(reason, "not JSON: " + error.errorString().toStdString() + " at offset " + std::to_string(error.offset));
    if (!document.isObject() || !document.object().value(kListKey).isArray())
        return failure(reason, "no \"CarRecords\" array");
    CarRecordList list;
    const QJsonArray records = document.object().value(kListKey).toArray();
    for (qsizetype index = 0; index < records.size(); ++index) {
        if (!records[index].isObject())
            return failure(reason, "record " + std::to_string(index) + " is no object");
        const QJsonObject object = records[index].toObject();
        CarRecord record;
        for (const Field& field : kFields) {
            const QJsonValue value = object.value(field.key);
            if (!value.isString())
                return failure(reason, "record " + std::to_string(index) + " has no text \"" + field.key + "\"");
            record.*field.member = value.toString().toStdString();
        }
        list.CarRecords.push_back(std::move(record));
    }
    return list;
}

std::string CarRecordList::encode() const
{
    QJsonArray records;
    for (const CarRecord& record : CarRecords) {
        QJsonObject object;
        for (const Field& field : kFields)
            object.insert(field.key, QString::fromStdString(record.*field.member));
        records.append(object);
    }
    QJsonObject list;
    list.insert(kListKey, records);
    return QJsonDocument(list).toJson(QJsonDocument::Compact).toStdString();
}

} // namespace tolvane::app
