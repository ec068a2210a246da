// The gallery's table for the settings menu, the registered-vehicle lists and the history.

#include "GalleryScene.h"
#include "GalleryStage.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/DataController.h"
#include "Class/Model/ITransitionManager.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsKey.h"

#include "foundation/TimeZone.h"
#include "foundation/UserDefaults.h"

#include <QTemporaryDir>

#include <chrono>

namespace screen_gallery {
namespace {

using namespace std::chrono;
using tolvane::app::CarRecord;
using tolvane::app::CarRecordStore;
using tolvane::app::EventCode;

// The history's dates: a fixed day, so the pictures are the same on every run.
class SceneClock final : public foundation::Clock {
public:
    foundation::Seconds now() const override { return 0; }
    foundation::Date wallNow() const override { return wall; }
    foundation::Date wall;
};

void registerCars()
{
    CarRecordStore::shared().saveCarRecords({
        CarRecord{.CarID = "VIN0001", .CarName = "Family car"},
        CarRecord{.CarID = "VIN0002", .CarName = "Blue hatchback"},
        CarRecord{.CarID = "VIN0003", .CarName = "Weekend van"},
    });
    // The link is being opened to the second car.
    tolvane::app::TerminalStore::shared()->open("VIN0002", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 5);
}

// Runs of one day ending every way the list tells apart, the last one on a car no longer registered.
std::shared_ptr<tolvane::app::DataController> historyOfEveryEnd()
{
    static QTemporaryDir folder;
    static SceneClock clock;
    foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("Europe/Berlin"));
    auto history = std::make_shared<tolvane::app::DataController>(folder.path().toStdString(), clock);
    const auto day = sys_days{2026y / 3 / 5};
    const std::tuple<int, const char*, std::optional<EventCode>> runs[] = {
        {8, "VIN0001", EventCode::N001}, {10, "VIN0001", EventCode::E006}, {12, "VIN0002", std::nullopt},
        {14, "VIN0001", EventCode::E015}, {16, "VIN0404", EventCode::L003},
    };
    for (const auto& [hour, car, code] : runs) {
        clock.wall = foundation::Date(duration_cast<foundation::Date::duration>(day.time_since_epoch() + hours{hour}));
        const std::string id = history->insertHistory();
        history->updateHistory(id, car, "");
        if (code) {
            clock.wall += minutes{12};
            history->closeHistory(id, *code, "");
        }
    }
    foundation::TimeZone::setDefault(std::nullopt);
    return history;
}

const GalleryScenes settingsScenes{
    {"Settings", "vehicle-row-dimmed"},
    {"Settings", "sound-off",
     [](GalleryStage& stage) {
         foundation::UserDefaults::standard()->setFloat(rawValue(tolvane::app::UserDefaultsKey::soundVolume), 3.0f / 7);
         foundation::UserDefaults::standard()->setBool(rawValue(tolvane::app::UserDefaultsKey::soundEnable), false);
         stage.show("Settings");
     }},
    {"Settings", "vehicle-row-enabled",
     [](GalleryStage& stage) {
         stage.show("ConnectionConfirmation");
         stage.router().showSettings();
     }},
    {"EditDevices", "linked-car-marked",
     [](GalleryStage& stage) {
         registerCars();
         stage.show("EditDevices");
     }},
    {"DeleteDevices", "cars",
     [](GalleryStage& stage) {
         registerCars();
         stage.show("DeleteDevices");
     }},
    {"OperationHistory", "every-end",
     [](GalleryStage& stage) {
         registerCars();
         stage.provide<tolvane::app::IDataController>(historyOfEveryEnd());
         tolvane::app::currentHistoryId().set("");
         stage.show("OperationHistory");
     }},
};

} // namespace
} // namespace screen_gallery
