#pragma once

#include "foundation/Bundle.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace geofence_testing {

// The main bundle is a folder holding the given "radio_towers.json", for as long as this lives.
class TowerBundle {
public:
    explicit TowerBundle(const std::string& json)
    {
        QFile file(folder_.filePath("radio_towers.json"));
        file.open(QIODevice::WriteOnly);
        file.write(json.data(), static_cast<qint64>(json.size()));
        file.close();
        foundation::Bundle::setMain(std::make_shared<foundation::Bundle>(folder_.path().toStdString(), "1.0"));
    }
    ~TowerBundle() { foundation::Bundle::setMain(nullptr); }
    TowerBundle(const TowerBundle&) = delete;
    TowerBundle& operator=(const TowerBundle&) = delete;

private:
    QTemporaryDir folder_;
};

} // namespace geofence_testing
