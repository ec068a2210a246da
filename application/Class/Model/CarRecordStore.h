#pragma once

#include "Class/Model/CarRecordList.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace foundation {
class UserDefaults;
}

namespace tolvane::app {

// The registered cars, kept as one JSON text under "TolvaneControl_CarRecords" in the user
// defaults, and the screens' shared choice of car. The stored text is the source of truth. Main
// thread only.
class CarRecordStore {
public:
    // Where a stored list that cannot be read, wholly or in part, is kept when it is set aside.
    static constexpr std::string_view UNREADABLE_CAR_RECORDS_KEY = "TolvaneControl_CarRecords_unreadable";

    explicit CarRecordStore(std::shared_ptr<foundation::UserDefaults> defaults);

    // Made on first use over the standard user defaults, with the stored cars loaded.
    static CarRecordStore& shared();
    // Drops the shared store; the next use makes and loads a new one.
    static void destroyShared();

    // The stored cars, which also replace `carRecordList`; none (and the list kept) when nothing is
    // stored. A stored text with records that do not read is set aside at once, logged once, and
    // replaced by the records that read (by the cars in memory when no record reads); while it cannot
    // be set aside it gives none and is left as it is.
    std::optional<std::vector<CarRecord>> loadCarRecords();
    // Reloads, appends and stores; false, with the cars in memory as they were, when the list cannot
    // be stored.
    bool addCarRecord(const CarRecord& record);
    // Reloads, then removes and stores the first car with that identifier; no such car changes
    // nothing. True once the list without that car is stored.
    bool deleteCarRecord(const std::string& carID);
    // Stores exactly these cars; `carRecordList` stays as it is until the next load. False when they
    // cannot be stored.
    bool saveCarRecords(const std::vector<CarRecord>& records);

    std::optional<CarRecordList> carRecordList = CarRecordList{};
    std::optional<CarRecord> selectedCarRecord;
    // True while the registration screen edits `selectedCarRecord` instead of adding a car.
    bool isEdit = false;

private:
    enum class Stored { absent, loaded, unreadable };
    Stored reload();
    bool setAside(const std::string& unreadable, const CarRecordListReading& reading);
    bool store(const std::optional<CarRecordList>& list, Stored before);
    std::string freeUnreadableKey() const;

    std::shared_ptr<foundation::UserDefaults> defaults_;
    // The unreadable text last reported, so one that cannot be set aside is logged once.
    std::optional<std::string> reportedUnreadable_;
};

} // namespace tolvane::app
