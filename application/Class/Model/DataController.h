#pragma once

#include "Class/Model/IDataController.h"

#include "foundation/Clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

namespace tolvane::app {

// The history of runs in the SQLite file "TolvaneControl.sqlite" of the documents folder, with a
// rollback journal so a crash at any point leaves the last saved state. Changes open a
// transaction that saveContext() commits. Every query binds its values. Main thread only.
class DataController final : public IDataController {
public:
    static constexpr std::string_view STORE_FILE_NAME = "TolvaneControl.sqlite";
    // How a row is found by its identifier.
    static constexpr std::string_view UUID_FORMAT = "id = ?";

    // Loads the store at once. A file that is no readable history store (or an empty file, or a
    // folder in its place) is kept aside as "<file>.unreadable-<yyyyMMddHHmmss>" and a new store
    // is made with the rows that still read; a store that still cannot be loaded is reported and
    // every operation then fails softly.
    DataController(std::string documentsDirectory, const foundation::Clock& clock);
    ~DataController() override;
    DataController(const DataController&) = delete;
    DataController& operator=(const DataController&) = delete;

    // Made on first use in the program's documents folder.
    static DataController& shared();

    bool isLoaded() const { return isLoaded_; }
    const std::string& storePath() const { return storePath_; }

    std::string insertHistory() override;
    bool updateHistory(const std::string& id, const std::string& deviceId, const std::string& carName) override;
    bool closeHistory(const std::string& id, EventCode eventCode, const std::string& carName) override;
    std::vector<TolvaneControlHistory> fetchHistories(const FetchArguments& arguments) override;
    bool saveContext() override;

    int countHistories() override;
    std::vector<TolvaneControlHistory> fetchAllHistories() override;
    bool deleteHistory(const std::string& id) override;
    bool deleteHistories(const std::string& deviceId) override;

private:
    struct LoadFailure {
        std::string description;
        // The file is no history store this code can read, as opposed to one it cannot reach.
        bool unreadable;
    };
    void loadPersistentContainer();
    std::optional<LoadFailure> openStore();
    void closeStore();
    // The path it was kept under; none when it could not be moved.
    std::optional<std::string> keepUnreadableStoreAside();
    QSqlDatabase database() const;

    // Runs one changing statement inside the open transaction (opening it first); a failure rolls
    // the whole transaction back.
    bool change(QSqlQuery& query);
    void failChanges(const QSqlError& error);
    void beforeUse();
    void replaceDamagedStore(std::string_view function);
    std::vector<TolvaneControlHistory> readableRows();
    static TolvaneControlHistory rowFrom(const QSqlQuery& query);
    std::optional<int64_t> rowOf(const std::string& id);
    std::vector<TolvaneControlHistory> select(std::string_view where, const std::vector<std::string>& values);
    std::vector<TolvaneControlHistory> selectOnce(std::string_view where, const std::vector<std::string>& values);
    // The earliest launch that can still rank among the newest `limit` rows; none when every row can.
    std::optional<int64_t> launchWindowStart(std::string_view where, const std::vector<std::string>& values, int limit);

    const std::string storePath_;
    const foundation::Clock& clock_;
    const std::string connectionName_;
    bool isLoaded_ = false;
    bool hasChanges_ = false;
    // Set when a query meets damaged pages; the store is replaced before the next use.
    bool isDamaged_ = false;
};

} // namespace tolvane::app
