#include "Class/UI/Geofence/Model/Geofence.h"

#include "Class/Model/Utility/LogManager.h"

#include "foundation/Bundle.h"
#include "foundation/FatalError.h"
#include "location/LocationManager.h"

#include <QFile>

#include <algorithm>

namespace tolvane::app {
namespace {

constexpr const char* sourceFile = "TolvaneIntegrationApp/Geofence";
constexpr unsigned missingResourceLine = 58;
constexpr unsigned undecodableResourceLine = 54;

} // namespace

Geofence::Geofence(Distance distance) : locationManager(std::make_shared<location::LocationManager>()), distance_(std::move(distance))
{
    locationManager->setDesiredAccuracy(location::LocationManager::accuracyHundredMeters);
}

std::vector<Area> Geofence::loadAreas() const
{
    const auto bundle = foundation::Bundle::main();
    const auto path = bundle ? bundle->pathForResource("radio_towers", "json") : std::nullopt;
    if (!path)
        foundation::fatalError("", sourceFile, missingResourceLine);
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly)) {
        LogManager::print("radio_towers.json cannot be read: " + file.errorString().toStdString(), LogLevel::error);
        foundation::fatalError("", sourceFile, undecodableResourceLine);
    }
    const QByteArray text = file.readAll();
    AreaList list = AreaList::decode(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    if (!list.isValid()) {
        LogManager::print("radio_towers.json does not decode: " + list.error, LogLevel::error);
        foundation::fatalError("", sourceFile, undecodableResourceLine);
    }
    return std::move(list.areas);
}

std::vector<LocationStatus> Geofence::classify(const location::Location& location, const std::vector<Area>& areas) const
{
    std::vector<LocationStatus> statuses;
    statuses.reserve(areas.size());
    for (const Area& area : areas) {
        const double d = distance_(location, {area.location.latitude, area.location.longitude});
        const double lower = area.threshold.warning - area.threshold.caution;
        const double upper = area.threshold.warning + area.threshold.caution;
        // A distance that is not a number fails both comparisons and counts as safe.
        if (d < lower)
            statuses.push_back(LocationStatus::warningArea);
        else if (d < upper)
            statuses.push_back(LocationStatus::cautionArea);
        else
            statuses.push_back(LocationStatus::safetyArea);
    }
    return statuses;
}

LocationStatus Geofence::locationStatus(const location::Location& location) const
{
    const std::vector<LocationStatus> statuses = classify(location, loadAreas());
    if (statuses.empty())
        return LocationStatus::failedGPSArea;
    return *std::min_element(statuses.begin(), statuses.end());
}

} // namespace tolvane::app
