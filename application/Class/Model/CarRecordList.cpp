#include "Class/Model/CarRecordList.h"

#include "Class/Model/CarImagePathResolver.h"

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

} // namespace

CarRecordListReading CarRecordList::read(std::string_view json)
{
    CarRecordListReading reading;
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &error);
    if (error.error != QJsonParseError::NoError) {
        reading.reason = "not JSON: " + error.errorString().toStdString() + " at offset " + std::to_string(error.offset);
        return reading;
    }
    if (!document.isObject() || !document.object().value(kListKey).isArray()) {
        reading.reason = "no \"CarRecords\" array";
        return reading;
    }
    reading.readable = CarRecordList{};
    auto skip = [&](qsizetype index, const std::string& why) {
        if (reading.unreadableRecords++ == 0)
            reading.reason = "record " + std::to_string(index) + " " + why;
    };
    const QJsonArray records = document.object().value(kListKey).toArray();
    for (qsizetype index = 0; index < records.size(); ++index) {
        if (!records[index].isObject()) {
            skip(index, "is no object");
            continue;
        }
        const QJsonObject object = records[index].toObject();
        CarRecord record;
        const Field* missing = nullptr;
        for (const Field& field : kFields) {
            const QJsonValue value = object.value(field.key);
            if (!value.isString()) {
                missing = &field;
                break;
            }
            record.*field.member = value.toString().toStdString();
        }
        if (missing)
            skip(index, "has no text \"" + std::string(missing->key) + "\"");
        else if (!record.CarImagePath.empty() && !CarImagePathResolver("/").fileFor(record.CarImagePath))
            skip(index, "has a picture path outside the documents folder");
        else
            reading.readable->CarRecords.push_back(std::move(record));
    }
    return reading;
}

std::optional<CarRecordList> CarRecordList::decode(std::string_view json, std::string* reason)
{
    CarRecordListReading reading = read(json);
    if (reason)
        *reason = reading.reason;
    if (!reading.isComplete())
        return std::nullopt;
    return std::move(reading.readable);
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
