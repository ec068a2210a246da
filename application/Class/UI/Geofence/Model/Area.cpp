#include "Class/UI/Geofence/Model/Area.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <optional>

namespace tolvane::app {
namespace {

// Reads the required members of one object; the first missing or mistyped one is the error.
class ObjectReader {
public:
    ObjectReader(const QJsonObject& object, std::string path, std::string& error) : object_(object), path_(std::move(path)), error_(error) {}

    double number(const char* key)
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isDouble()) {
            fail(key, "a number");
            return 0;
        }
        return value.toDouble();
    }

    std::string text(const char* key)
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isString()) {
            fail(key, "a string");
            return {};
        }
        return value.toString().toStdString();
    }

    std::optional<QJsonObject> object(const char* key)
    {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (!value.isObject()) {
            fail(key, "an object");
            return std::nullopt;
        }
        return value.toObject();
    }

    std::string pathOf(const char* key) const { return path_ + "." + key; }

private:
    void fail(const char* key, const char* expected)
    {
        if (error_.empty())
            error_ = pathOf(key) + " is not " + expected;
    }

    const QJsonObject& object_;
    std::string path_;
    std::string& error_;
};

Area readArea(const QJsonObject& object, const std::string& path, std::string& error)
{
    ObjectReader area(object, path, error);
    Area result;
    result.name = area.text("name");
    if (const auto location = area.object("location")) {
        ObjectReader coordinate(*location, area.pathOf("location"), error);
        result.location = {.latitude = coordinate.number("latitude"), .longitude = coordinate.number("longitude")};
    }
    if (const auto threshold = area.object("threshold")) {
        ObjectReader radii(*threshold, area.pathOf("threshold"), error);
        result.threshold = {.warning = radii.number("warning"), .caution = radii.number("caution")};
    }
    return result;
}

} // namespace

AreaList AreaList::decode(std::string_view json)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{}, "not JSON: " + parseError.errorString().toStdString()};
    if (!document.isArray())
        return {{}, "the top level is not an array"};
    AreaList list;
    const QJsonArray array = document.array();
    for (qsizetype i = 0; i < array.size() && list.error.empty(); ++i) {
        const std::string path = "[" + std::to_string(i) + "]";
        if (!array[i].isObject()) {
            list.error = path + " is not an object";
            break;
        }
        list.areas.push_back(readArea(array[i].toObject(), path, list.error));
    }
    if (!list.error.empty())
        list.areas.clear();
    return list;
}

} // namespace tolvane::app
