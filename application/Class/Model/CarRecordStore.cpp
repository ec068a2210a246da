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
    std::string reason;
    auto decoded = CarRecordList::decode(*text, &reason);
    if (!decoded) {
        LogManager::print("The stored car list cannot be read; it is left as it is.", LogLevel::warning,
                          {.values = {{"reason", reason}}, .function = "loadCarRecords()"});
        return Stored::unreadable;
    }
    carRecordList = std::move(decoded);
    return Stored::loaded;
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

void CarRecordStore::deleteCarRecord(const std::string& carID)
{
    const Stored before = reload();
    if (!carRecordList)
        return;
    auto& records = carRecordList->CarRecords;
    const auto found = std::find_if(records.begin(), records.end(), [&](const CarRecord& r) { return r.CarID == carID; });
    if (found == records.end())
        return;
    records.erase(found);
    store(carRecordList, before);
}

bool CarRecordStore::saveCarRecords(const std::vector<CarRecord>& records)
{
    const bool readable = !defaults_->hasObject(kKey) || CarRecordList::decode(*defaults_->string(kKey));
    return store(CarRecordList{records}, readable ? Stored::loaded : Stored::unreadable);
}

bool CarRecordStore::store(const std::optional<CarRecordList>& list, Stored before)
{
    // A stored list that could not be read is kept aside first, so no registered car is lost to a
    // list that merely failed to decode; without a safe copy it is not replaced.
    if (before == Stored::unreadable) {
        const auto unreadable = defaults_->string(kKey);
        const std::string keptKey = freeUnreadableKey();
        if (!unreadable || !defaults_->setString(keptKey, *unreadable)) {
            LogManager::print("The unreadable car list could not be kept aside; it is not replaced.", LogLevel::error,
                              {.function = "saveCarRecords(_:)"});
            return false;
        }
        LogManager::print("The unreadable car list was kept aside before being replaced.", LogLevel::warning,
                          {.values = {{"key", keptKey}}, .function = "saveCarRecords(_:)"});
    }
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
