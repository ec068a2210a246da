#include "Class/Model/DataController.h"

#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/Model/Utility/LogManager.h"

#include "foundation/DateFormatter.h"
#include "foundation/RunLoop.h"
#include "foundation/StandardLocations.h"
#include "foundation/TimeZone.h"
#include "foundation/UUID.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <utility>

namespace tolvane::app {
namespace {

constexpr const char* kColumns = "id, launchDate, closeDate, deviceId, carName, eventCode, sdkVersion, timeZone";
constexpr const char* kCreateTable =
    "CREATE TABLE IF NOT EXISTS TolvaneControlHistory ("
    " id TEXT PRIMARY KEY NOT NULL,"
    " launchDate INTEGER NOT NULL,"
    " closeDate INTEGER,"
    " deviceId TEXT,"
    " carName TEXT,"
    " eventCode TEXT NOT NULL DEFAULT '',"
    " sdkVersion TEXT NOT NULL DEFAULT '',"
    " timeZone TEXT NOT NULL DEFAULT '')";
constexpr const char* kCreateDeviceIndex =
    "CREATE INDEX IF NOT EXISTS TolvaneControlHistoryDevice ON TolvaneControlHistory (deviceId)";
constexpr const char* kCreateLaunchIndex =
    "CREATE INDEX IF NOT EXISTS TolvaneControlHistoryLaunch ON TolvaneControlHistory (launchDate)";

// SQLite's codes for a file that is no database or a damaged one.
constexpr int kNotADatabase = 26;
constexpr int kCorrupt = 11;

// Dates are stored as whole microseconds since 1970, which read back exactly.
qint64 storedDate(foundation::Date date)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(date.time_since_epoch()).count();
}

foundation::Date dateFrom(qint64 microseconds)
{
    // A store written elsewhere may hold any integer; the clock holds a narrower range.
    constexpr auto latest = std::chrono::duration_cast<std::chrono::microseconds>(foundation::Date::max().time_since_epoch());
    constexpr auto earliest = std::chrono::duration_cast<std::chrono::microseconds>(foundation::Date::min().time_since_epoch());
    if (microseconds >= latest.count())
        return foundation::Date::max();
    if (microseconds <= earliest.count())
        return foundation::Date::min();
    return foundation::Date(std::chrono::duration_cast<foundation::Date::duration>(std::chrono::microseconds(microseconds)));
}

std::optional<std::string> canonicalId(const std::string& id)
{
    const auto uuid = foundation::UUID::fromString(id);
    return uuid ? std::optional(uuid->uuidString()) : std::nullopt;
}

QString qText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<std::string> optionalText(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toString().toStdString());
}

std::string describe(const QSqlError& error)
{
    return error.text().toStdString();
}

std::string userInformation(const QSqlError& error)
{
    return "[\"nativeErrorCode\": \"" + error.nativeErrorCode().toStdString() + "\", \"databaseText\": \"" +
           error.databaseText().toStdString() + "\", \"driverText\": \"" + error.driverText().toStdString() + "\"]";
}

bool isUnreadable(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    return code == kNotADatabase || code == kCorrupt;
}

std::string nextConnectionName()
{
    static std::atomic<int> counter{0};
    return "TolvaneControl-" + std::to_string(counter++);
}

void assertOnMain()
{
    foundation::assertOnMainLoop("DataController");
}

} // namespace

DataController::DataController(std::string documentsDirectory, const foundation::Clock& clock)
    : storePath_(std::move(documentsDirectory) + "/" + std::string(STORE_FILE_NAME)),
      clock_(clock),
      connectionName_(nextConnectionName())
{
    loadPersistentContainer();
}

DataController::~DataController()
{
    closeStore();
}

DataController& DataController::shared()
{
    static const foundation::SystemClock clock;
    static DataController controller(foundation::documentsDirectory(), clock);
    return controller;
}

QSqlDatabase DataController::database() const
{
    return QSqlDatabase::database(QString::fromStdString(connectionName_), false);
}

void DataController::loadPersistentContainer()
{
    const auto failure = openStore();
    if (!failure) {
        isLoaded_ = true;
        return;
    }
    LogManager::print("Failed to load Core Data stack: " + failure->description, LogLevel::error,
                      {.values = {{"path", storePath_}}, .function = "loadPersistentContainer()"});
    if (failure->unreadable)
        replaceDamagedStore("loadPersistentContainer()");
    else
        closeStore();
}

std::optional<DataController::LoadFailure> DataController::openStore()
{
    // SQLite would take an empty file (what a kill during its first write leaves) for a new store,
    // and cannot open a folder: either is kept aside like a damaged store.
    const QFileInfo file(QString::fromStdString(storePath_));
    if (file.exists() && !file.isFile())
        return LoadFailure{"something other than a file is in the store's place", true};
    if (file.exists() && file.size() == 0)
        return LoadFailure{"the store file is empty", true};
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromStdString(connectionName_));
    db.setDatabaseName(QString::fromStdString(storePath_));
    // One connection per store: waiting for another would only hide a fault.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
    auto failure = [](const QSqlError& error, bool unreadable) { return LoadFailure{describe(error), unreadable}; };
    if (!db.open())
        return failure(db.lastError(), isUnreadable(db.lastError()));
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=DELETE")) || !query.exec(kCreateTable))
        return failure(query.lastError(), isUnreadable(query.lastError()));
    // A table of another shape is no history store this code can read; it is checked before
    // anything else touches the table, so such a store is set aside like a corrupt one.
    if (!query.exec(QStringLiteral("SELECT %1 FROM TolvaneControlHistory LIMIT 0").arg(kColumns)))
        return failure(query.lastError(), true);
    // Damaged pages would otherwise show only later, as writes that fail and rows that vanish.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next() || query.value(0).toString() != "ok")
        return LoadFailure{"the store's pages are damaged", true};
    if (!query.exec(kCreateDeviceIndex) || !query.exec(kCreateLaunchIndex))
        return failure(query.lastError(), isUnreadable(query.lastError()));
    // The runs name the user's cars; SQLite gives its journal the same mode.
    foundation::restrictToOwner(storePath_);
    return std::nullopt;
}

void DataController::closeStore()
{
    {
        QSqlDatabase db = database();
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromStdString(connectionName_));
    hasChanges_ = false;
}

std::optional<std::string> DataController::keepUnreadableStoreAside()
{
    const std::string stamp = foundation::DateFormatter("yyyyMMddHHmmss").string(clock_.wallNow());
    QString keptPath = QString::fromStdString(storePath_ + ".unreadable-" + stamp);
    for (int number = 1; QFileInfo::exists(keptPath); ++number)
        keptPath = QString::fromStdString(storePath_ + ".unreadable-" + stamp + "." + std::to_string(number));
    const QString path = QString::fromStdString(storePath_);
    if (!QDir().rename(path, keptPath))
        return std::nullopt;
    foundation::restrictToOwner(keptPath.toStdString());
    // Its journal belongs to it and must not be rolled into the new store.
    QFile::rename(path + "-journal", keptPath + "-journal");
    return keptPath.toStdString();
}

bool DataController::change(QSqlQuery& query)
{
    QSqlDatabase db = database();
    if (!hasChanges_) {
        if (!db.transaction()) {
            failChanges(db.lastError());
            return false;
        }
        hasChanges_ = true;
    }
    if (!query.exec()) {
        failChanges(query.lastError());
        return false;
    }
    return true;
}

void DataController::failChanges(const QSqlError& error)
{
    LogManager::print("Unresolved error " + describe(error) + ", " + userInformation(error), LogLevel::error,
                      {.function = "saveContext()"});
    if (hasChanges_)
        database().rollback();
    hasChanges_ = false;
    // Replaced before the next use, once the queries of this one are gone.
    if (isUnreadable(error))
        isDamaged_ = true;
}

void DataController::beforeUse()
{
    assertOnMain();
    if (std::exchange(isDamaged_, false))
        replaceDamagedStore("saveContext()");
}

void DataController::replaceDamagedStore(std::string_view function)
{
    // A damaged store would fail every later write and hide the rows: the rows that still read are
    // carried into a new store and the damaged file is kept aside.
    const std::vector<TolvaneControlHistory> salvaged = readableRows();
    closeStore();
    const auto keptPath = keepUnreadableStoreAside();
    if (!keptPath) {
        LogManager::print("The unreadable history store could not be kept aside.", LogLevel::error,
                          {.values = {{"path", storePath_}}, .function = std::string(function)});
        isLoaded_ = false;
        return;
    }
    isLoaded_ = !openStore();
    if (!isLoaded_) {
        closeStore();
        return;
    }
    size_t carried = 0;
    for (const TolvaneControlHistory& row : salvaged) {
        QSqlQuery insert(database());
        insert.prepare(QStringLiteral("INSERT INTO TolvaneControlHistory (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?)").arg(kColumns));
        insert.addBindValue(qText(row.id));
        insert.addBindValue(storedDate(row.launchDate));
        insert.addBindValue(row.closeDate ? QVariant(storedDate(*row.closeDate)) : QVariant(QMetaType(QMetaType::LongLong)));
        insert.addBindValue(row.deviceId ? QVariant(qText(*row.deviceId)) : QVariant(QMetaType(QMetaType::QString)));
        insert.addBindValue(row.carName ? QVariant(qText(*row.carName)) : QVariant(QMetaType(QMetaType::QString)));
        insert.addBindValue(qText(row.eventCode));
        insert.addBindValue(qText(row.sdkVersion));
        insert.addBindValue(qText(row.timeZone));
        carried += insert.exec() ? 1 : 0;
    }
    LogManager::print("The unreadable history store was kept aside and a new one is made; " + std::to_string(carried) +
                          " of " + std::to_string(salvaged.size()) + " readable rows were carried over.",
                      LogLevel::error, {.values = {{"path", *keptPath}}, .function = std::string(function)});
}

bool DataController::saveContext()
{
    beforeUse();
    if (!hasChanges_)
        return true;
    QSqlDatabase db = database();
    if (!db.commit()) {
        failChanges(db.lastError());
        return false;
    }
    hasChanges_ = false;
    return true;
}

std::string DataController::insertHistory()
{
    beforeUse();
    if (!isLoaded_)
        return {};
    const std::string id = foundation::UUID::random().uuidString();
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO TolvaneControlHistory (id, launchDate, eventCode, sdkVersion, timeZone) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(qText(id));
    query.addBindValue(storedDate(clock_.wallNow()));
    query.addBindValue(qText(rawValue(EventCode::None)));
    query.addBindValue(qText(libraryBundle()->shortVersionString()));
    query.addBindValue(qText(foundation::TimeZone::current().identifier()));
    if (!change(query))
        return {};
    return saveContext() ? id : std::string();
}

std::optional<int64_t> DataController::rowOf(const std::string& id)
{
    const auto canonical = canonicalId(id);
    if (!isLoaded_ || !canonical)
        return std::nullopt;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT rowid FROM TolvaneControlHistory WHERE %1 ORDER BY rowid LIMIT 1").arg(qText(UUID_FORMAT)));
    query.addBindValue(qText(*canonical));
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool DataController::updateHistory(const std::string& id, const std::string& deviceId, const std::string& carName)
{
    beforeUse();
    const auto row = rowOf(id);
    if (!row)
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE TolvaneControlHistory SET deviceId = ?, carName = ? WHERE rowid = ?"));
    query.addBindValue(qText(deviceId));
    query.addBindValue(qText(carName));
    query.addBindValue(static_cast<qint64>(*row));
    return change(query) && saveContext();
}

bool DataController::closeHistory(const std::string& id, EventCode eventCode, const std::string& carName)
{
    beforeUse();
    const auto row = rowOf(id);
    if (!row)
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral(
        "UPDATE TolvaneControlHistory SET eventCode = ?, carName = ?, closeDate = ?, timeZone = ? WHERE rowid = ?"));
    query.addBindValue(qText(rawValue(eventCode)));
    query.addBindValue(qText(carName));
    query.addBindValue(storedDate(clock_.wallNow()));
    query.addBindValue(qText(foundation::TimeZone::current().identifier()));
    query.addBindValue(static_cast<qint64>(*row));
    return change(query) && saveContext();
}

std::vector<TolvaneControlHistory> DataController::select(std::string_view where, const std::vector<std::string>& values)
{
    auto rows = selectOnce(where, values);
    // Rows behind damaged pages would stay hidden: the store is replaced with what still reads,
    // and asked again.
    if (std::exchange(isDamaged_, false)) {
        replaceDamagedStore("fetchHistories(excludingId:deviceId:isNormalEnd:limit:)");
        rows = selectOnce(where, values);
    }
    return rows;
}

std::vector<TolvaneControlHistory> DataController::selectOnce(std::string_view where, const std::vector<std::string>& values)
{
    std::vector<TolvaneControlHistory> rows;
    if (!isLoaded_)
        return rows;
    QSqlQuery query(database());
    QString text = QStringLiteral("SELECT %1 FROM TolvaneControlHistory").arg(kColumns);
    if (!where.empty())
        text += " WHERE " + qText(where);
    query.prepare(text + " ORDER BY rowid");
    for (const std::string& value : values)
        query.addBindValue(qText(value));
    if (query.exec())
        while (query.next())
            rows.push_back(rowFrom(query));
    isDamaged_ = isDamaged_ || isUnreadable(query.lastError());
    return rows;
}

std::vector<TolvaneControlHistory> DataController::readableRows()
{
    // Each row is looked up on its own, so a damaged page loses only the rows it holds; the store
    // is trimmed to a few hundred rows, and the range looked through is bounded all the same.
    constexpr qint64 longestRange = 100000;
    std::vector<TolvaneControlHistory> rows;
    // The bounds come from the table read from either end and from the launch index, each until
    // it meets the damage: a cut file or a damaged page may hide either end of the table.
    QSqlQuery query(database());
    // Else a file cut short of the size its header gives reads as wholly damaged. The connection
    // is closed before anything is written again.
    query.exec(QStringLiteral("PRAGMA writable_schema=ON"));
    std::optional<qint64> first;
    std::optional<qint64> last;
    for (const char* statement : {"SELECT rowid FROM TolvaneControlHistory ORDER BY rowid",
                                  "SELECT rowid FROM TolvaneControlHistory ORDER BY rowid DESC",
                                  "SELECT rowid FROM TolvaneControlHistory INDEXED BY TolvaneControlHistoryLaunch ORDER BY launchDate"}) {
        if (!query.exec(QString::fromLatin1(statement)))
            continue;
        while (query.next()) {
            const qint64 row = query.value(0).toLongLong();
            first = std::min(first.value_or(row), row);
            last = std::max(last.value_or(row), row);
        }
    }
    if (!first)
        return rows;
    query.prepare(QStringLiteral("SELECT %1 FROM TolvaneControlHistory WHERE rowid = ?").arg(kColumns));
    for (qint64 row = *first; row <= std::min(*last, *first + longestRange); ++row) {
        query.addBindValue(row);
        if (query.exec() && query.next())
            rows.push_back(rowFrom(query));
    }
    return rows;
}

TolvaneControlHistory DataController::rowFrom(const QSqlQuery& query)
{
    return {
        .closeDate = query.isNull(2) ? std::nullopt : std::optional(dateFrom(query.value(2).toLongLong())),
        .deviceId = optionalText(query.value(3)),
        .carName = optionalText(query.value(4)),
        .eventCode = query.value(5).toString().toStdString(),
        .id = query.value(0).toString().toStdString(),
        .launchDate = dateFrom(query.value(1).toLongLong()),
        .sdkVersion = query.value(6).toString().toStdString(),
        .timeZone = query.value(7).toString().toStdString(),
    };
}

std::vector<TolvaneControlHistory> DataController::fetchHistories(const FetchArguments& arguments)
{
    beforeUse();
    if (arguments.limit < 1)
        return {};
    std::string where;
    std::vector<std::string> values;
    auto condition = [&](std::string_view text, std::string value) {
        where += where.empty() ? "" : " AND ";
        where += text;
        values.push_back(std::move(value));
    };
    if (arguments.excludingId) {
        const auto excluded = canonicalId(*arguments.excludingId);
        if (!excluded)
            return {};
        condition("id != ?", *excluded);
    }
    if (arguments.deviceId)
        condition("deviceId = ?", *arguments.deviceId);
    if (arguments.isNormalEnd)
        condition(*arguments.isNormalEnd ? "eventCode = ?" : "eventCode != ?", std::string(rawValue(EventCode::N001)));

    // Rows are listed by their launch time's digits in their own time zone, which no SQL can order
    // by. A zone moves those digits by at most a day and a few hours either way, so no row launched
    // that much before the newest `limit` launches can rank among them: only those rows are read.
    if (const auto window = launchWindowStart(where, values, arguments.limit))
        condition("launchDate >= ?", std::to_string(*window));

    std::vector<std::pair<std::string, TolvaneControlHistory>> keyed;
    for (auto& row : select(where, values)) {
        std::string key = row.launchDateText();
        keyed.emplace_back(std::move(key), std::move(row));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<TolvaneControlHistory> rows;
    for (auto& [key, row] : keyed) {
        if (rows.size() == static_cast<size_t>(arguments.limit))
            break;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<int64_t> DataController::launchWindowStart(std::string_view where, const std::vector<std::string>& values, int limit)
{
    constexpr int64_t widestZoneSpread = std::chrono::microseconds(std::chrono::hours(28)).count();
    if (!isLoaded_)
        return std::nullopt;
    QSqlQuery query(database());
    QString text = QStringLiteral("SELECT launchDate FROM TolvaneControlHistory");
    if (!where.empty())
        text += " WHERE " + qText(where);
    query.prepare(text + " ORDER BY launchDate DESC LIMIT 1 OFFSET ?");
    for (const std::string& value : values)
        query.addBindValue(qText(value));
    query.addBindValue(limit - 1);
    // Fewer rows than the limit, or a store that does not read: every row is looked at.
    if (!query.exec() || !query.next())
        return std::nullopt;
    return query.value(0).toLongLong() - widestZoneSpread;
}

int DataController::countHistories()
{
    beforeUse();
    if (!isLoaded_)
        return 0;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM TolvaneControlHistory")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

std::vector<TolvaneControlHistory> DataController::fetchAllHistories()
{
    beforeUse();
    return select({}, {});
}

bool DataController::deleteHistory(const std::string& id)
{
    beforeUse();
    const auto canonical = canonicalId(id);
    if (!isLoaded_ || !canonical)
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("DELETE FROM TolvaneControlHistory WHERE id = ?"));
    query.addBindValue(qText(*canonical));
    return change(query);
}

bool DataController::deleteHistories(const std::string& deviceId)
{
    beforeUse();
    if (!isLoaded_)
        return false;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("DELETE FROM TolvaneControlHistory WHERE deviceId = ?"));
    query.addBindValue(qText(deviceId));
    return change(query);
}

} // namespace tolvane::app
