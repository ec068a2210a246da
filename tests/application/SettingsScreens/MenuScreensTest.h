#pragma once

#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/DataController.h"
#include "Class/TolvaneIntegrationAppHelper.h"

#include "ISoundModel.h"
#include "support/ScopedEnvironment.h"

#include <QTemporaryDir>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace screen_testing {

class RecordingSoundModel final : public ISoundModel {
public:
    void requestUpdateSoundSetting(const SoundSettingUpdate& update) override { updates.push_back(update); }
    std::vector<SoundSettingUpdate> updates;
};

// The screens of the settings menu over a real car list, a real history store and a data folder,
// all in temporary folders, with the statistics the host would receive.
class MenuScreensTest : public ScreenFrameworkTest {
protected:
    MenuScreensTest()
    {
        environment.set("TOLVANE_DATA_DIR", dataFolder.path().toStdString());
        // Over this test's user defaults.
        CarRecordStore::destroyShared();
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) {
            statistics.push_back(event.at("key"));
        };
    }
    ~MenuScreensTest() override
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
        CarRecordStore::destroyShared();
    }

    static CarRecord car(int number, std::string name = {})
    {
        const std::string id = "VIN000" + std::to_string(number);
        return {.CarID = id, .CarImagePath = "Documents/" + id + ".png", .CarName = name.empty() ? "Car " + std::to_string(number) : name,
                .CreateDate = "2026/01/0" + std::to_string(number) + " 09:00:00", .UpdateDate = ""};
    }

    // Cars 1 to `count`, stored.
    static std::vector<CarRecord> registerCars(int count)
    {
        std::vector<CarRecord> cars;
        for (int number = 1; number <= count; ++number)
            cars.push_back(car(number));
        CarRecordStore::shared().saveCarRecords(cars);
        return cars;
    }

    static std::vector<std::string> storedCarIds()
    {
        std::vector<std::string> ids;
        for (const CarRecord& record : CarRecordStore::shared().loadCarRecords().value_or(std::vector<CarRecord>{}))
            ids.push_back(record.CarID);
        return ids;
    }

    testing_support::ScopedEnvironment environment;
    QTemporaryDir dataFolder;
    QTemporaryDir historyFolder;
    std::shared_ptr<DataController> history = std::make_shared<DataController>(historyFolder.path().toStdString(), time);
    std::vector<std::string> statistics;
};

} // namespace screen_testing
