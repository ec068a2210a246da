#pragma once

#include "Class/Model/EventCode.h"
#include "Class/Model/TolvaneControlHistory.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane::app {

// The history store's row operations. Identifiers are UUID texts, read in either case.
class IDataController {
public:
    struct FetchArguments {
        // Leaves out the row with this identifier; an identifier that is no UUID gives no rows.
        std::optional<std::string> excludingId = {};
        std::optional<std::string> deviceId = {};
        // True: only normal ends (N001); false: everything else.
        std::optional<bool> isNormalEnd = {};
        int limit = 0;
    };

    virtual ~IDataController() = default;

    // A new row stamped with now, the device's zone and the library's version; its identifier, or
    // an empty text when it could not be saved.
    virtual std::string insertHistory() = 0;
    // Sets the car of a run and saves; false when no row matches or the save failed.
    virtual bool updateHistory(const std::string& id, const std::string& deviceId, const std::string& carName) = 0;
    // Writes the close reason, car name, close time and zone and saves; false likewise.
    virtual bool closeHistory(const std::string& id, EventCode eventCode, const std::string& carName) = 0;
    // Matching rows, newest `launchDateText` first, at most `limit`.
    virtual std::vector<TolvaneControlHistory> fetchHistories(const FetchArguments& arguments) = 0;
    // Commits the changes made since the last save; a failed save is rolled back and gives false.
    virtual bool saveContext() = 0;

    // For the screens that prune and delete rows; deletions wait for saveContext().
    virtual int countHistories() = 0;
    virtual std::vector<TolvaneControlHistory> fetchAllHistories() = 0;
    virtual bool deleteHistory(const std::string& id) = 0;
    virtual bool deleteHistories(const std::string& deviceId) = 0;
};

} // namespace tolvane::app
