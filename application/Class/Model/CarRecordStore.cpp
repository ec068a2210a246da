#include "Class/Model/CarRecordStore.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/UserDefaults.h"

#include <algorithm>

namespace tolvane::app {
namespace {

const std::string_view kKey = rawValue(UserDefaultsKey::CarRecords);

std::unique_ptr<CarRecordStore>& sharedSlot()
{
    static std::unique_ptr<CarRecordStore> store;
    return store;
}

} // namespace

CarRecordStore::CarRecordStore(std::shared_ptr<foundation::UserDefaults> defaults) : defaults_(std::move(defaults)) {}

CarRecordStore& CarRecordStore::shared()
{
    auto& store = sharedSlot();
    if (!store) {
        store = std::make_unique<CarRecordStore>(foundation::UserDefaults::standard());
        store->loadCarRecords();
    }
    return *store;
}

void CarRecordStore::destroyShared()
{
    sharedSlot().reset();
}

CarRecordStore::Stored CarRecordStore::reload()
{
    const auto text = defaults_->string(kKey);
    if (!text)
        return Stored::absent;
    CarRecordListReading reading = CarRecordList::read(*text);
    if (reading.isComplete()) {
        carRecordList = std::move(reading.readable);
        return Stored::loaded;
    }
    // Left in place, the unreadable text would be read (and logged) by every screen, and the first
    // change would drop every car in it: it is kept aside at once and the cars that read stay.
    return setAside(*text, reading) ? Stored::loaded : Stored::unreadable;
}

bool CarRecordStore::setAside(const std::string& unreadable, const CarRecordListReading& reading)
{
    const std::optional<CarRecordList> kept = reading.readable ? reading.readable : carRecordList;
    const std::string keptKey = freeUnreadableKey();
    if (defaults_->setString(keptKey, unreadable) && defaults_->setString(kKey, kept ? kept->encode() : "null")) {
        LogManager::print("The stored car list cannot be read; it was kept aside and the cars that read are kept.",
                          LogLevel::warning,
                          {.values = {{"reason", reading.reason},
                                      {"key", keptKey},
                                      {"unreadableRecords", reading.readable ? std::to_string(reading.unreadableRecords) : "all"},
                                      {"keptRecords", std::to_string(kept ? kept->CarRecords.size() : 0)}},
                           .function = "loadCarRecords()"});
        carRecordList = kept;
        reportedUnreadable_.reset();
        return true;
    }
    if (reportedUnreadable_ != unreadable)
        LogManager::print("The stored car list cannot be read and cannot be kept aside; it is left as it is.",
                          LogLevel::error, {.values = {{"reason", reading.reason}}, .function = "loadCarRecords()"});
    reportedUnreadable_ = unreadable;
    return false;
}

std::optional<std::vector<CarRecord>> CarRecordStore::loadCarRecords()
{
    if (reload() != Stored::loaded)
        return std::nullopt;
    return carRecordList->CarRecords;
}

bool CarRecordStore::addCarRecord(const CarRecord& record)
{
    const Stored before = reload();
    const auto previous = carRecordList;
    if (carRecordList)
        carRecordList->CarRecords.push_back(record);
    if (store(carRecordList, before))
        return true;
    carRecordList = previous;
    return false;
}

bool CarRecordStore::deleteCarRecord(const std::string& carID)
{
    const Stored before = reload();
    if (!carRecordList)
        return false;
    auto& records = carRecordList->CarRecords;
    const auto found = std::find_if(records.begin(), records.end(), [&](const CarRecord& r) { return r.CarID == carID; });
    if (found == records.end())
        return false;
    records.erase(found);
    return store(carRecordList, before);
}

bool CarRecordStore::saveCarRecords(const std::vector<CarRecord>& records)
{
    // The list in memory waits for the next load, even when an unreadable one is set aside first.
    const auto inMemory = carRecordList;
    const Stored before = reload();
    carRecordList = inMemory;
    return store(CarRecordList{records}, before);
}

bool CarRecordStore::store(const std::optional<CarRecordList>& list, Stored before)
{
    // A stored list that could not be kept aside is never replaced: the cars in it would be lost.
    if (before == Stored::unreadable)
        return false;
    if (defaults_->setString(kKey, list ? list->encode() : "null"))
        return true;
    LogManager::print("The car list could not be stored.", LogLevel::error, {.function = "saveCarRecords(_:)"});
    return false;
}

std::string CarRecordStore::freeUnreadableKey() const
{
    // Every unreadable list is kept: a second one never replaces the first.
    std::string key(UNREADABLE_CAR_RECORDS_KEY);
    for (int number = 2; defaults_->hasObject(key); ++number)
        key = std::string(UNREADABLE_CAR_RECORDS_KEY) + "_" + std::to_string(number);
    return key;
}

} // namespace tolvane::app
