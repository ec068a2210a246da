#include "Class/Model/DataController.h"
#include "Class/Model/Utility/LibraryBundle.h"
#include "application/support/ScopedLogCapture.h"

#include "foundation/TimeZone.h"
#include "foundation/UUID.h"
#include "foundation/VirtualTime.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using namespace std::chrono;
using tolvane::app::DataController;
using tolvane::app::EventCode;
using tolvane::app::TolvaneControlHistory;

foundation::Date utc(int y, unsigned mo, unsigned d, int h, int mi, int s)
{
    return sys_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s};
}

class DataControllerTest : public ::testing::Test {
protected:
    DataControllerTest() { setZone("Asia/Tokyo"); }
    ~DataControllerTest() override { foundation::TimeZone::setDefault(std::nullopt); }

    static void setZone(const std::string& identifier)
    {
        foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier(identifier));
    }
    void setNow(foundation::Date date) { time.setWallStart(date); }
    std::string folderPath() const { return folder.path().toStdString(); }
    std::unique_ptr<DataController> open() const { return std::make_unique<DataController>(folderPath(), time); }

    std::vector<std::string> ids(const std::vector<TolvaneControlHistory>& rows)
    {
        std::vector<std::string> result;
        for (const auto& row : rows)
            result.push_back(row.id);
        return result;
    }

    QTemporaryDir folder;
    foundation::VirtualTime time;
};

TEST_F(DataControllerTest, InsertStampsANewRowAndSavesIt)
{
    setNow(utc(2026, 3, 1, 1, 2, 3));
    auto store = open();
    ASSERT_TRUE(store->isLoaded());
    const std::string id = store->insertHistory();
    ASSERT_EQ(foundation::UUID::fromString(id)->uuidString(), id);

    const auto rows = open()->fetchAllHistories();
    ASSERT_EQ(rows.size(), 1u);
    const TolvaneControlHistory expected{
        .closeDate = std::nullopt,
        .deviceId = std::nullopt,
        .carName = std::nullopt,
        .eventCode = "",
        .id = id,
        .launchDate = utc(2026, 3, 1, 1, 2, 3),
        .sdkVersion = tolvane::app::libraryBundle()->shortVersionString(),
        .timeZone = "Asia/Tokyo",
    };
    EXPECT_EQ(rows[0], expected);
    EXPECT_EQ(rows[0].launchDateText(), "20260301100203");
    EXPECT_EQ(store->fetchHistories({.isNormalEnd = false, .limit = 5}).size(), 1u);
}

TEST_F(DataControllerTest, UpdateAndCloseWriteTheFirstMatchingRowAndRefuseIdentifiersThatMatchNone)
{
    auto store = open();
    const std::string id = store->insertHistory();
    std::string lower = id;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });

    for (const std::string& bad : {std::string(), std::string("not-a-uuid"), std::string("{") + id + "}",
                                   std::string("00000000-0000-4000-8000-000000000000")}) {
        EXPECT_FALSE(store->updateHistory(bad, "SN1", "car")) << bad;
        EXPECT_FALSE(store->closeHistory(bad, EventCode::E003, "car")) << bad;
    }
    EXPECT_TRUE(store->updateHistory(lower, "SN1", "First name"));

    setZone("Europe/Paris");
    time.advance(90.0);
    EXPECT_TRUE(store->closeHistory(id, EventCode::E010, "Second name"));
    auto row = open()->fetchAllHistories().at(0);
    EXPECT_EQ(row.deviceId, "SN1");
    EXPECT_EQ(row.carName, "Second name");
    EXPECT_EQ(row.eventCode, "E010");
    EXPECT_EQ(row.closeDate, time.wallNow());
    EXPECT_EQ(row.timeZone, "Europe/Paris");

    time.advance(5.0);
    EXPECT_TRUE(store->closeHistory(id, EventCode::None, ""));
    row = open()->fetchAllHistories().at(0);
    EXPECT_EQ(row.eventCode, "");
    EXPECT_EQ(row.closeDate, time.wallNow());
}

TEST_F(DataControllerTest, FetchAppliesEveryConditionAndTheLimitNewestFirst)
{
    auto store = open();
    auto insert = [&](std::optional<std::string> device, std::optional<EventCode> code) {
        time.advance(60.0);
        const std::string id = store->insertHistory();
        if (device)
            store->updateHistory(id, *device, "car");
        if (code)
            store->closeHistory(id, *code, "car");
        return id;
    };
    const std::string r1 = insert("A", EventCode::N001);
    const std::string r2 = insert("A", EventCode::E003);
    const std::string r3 = insert("B", EventCode::N001);
    const std::string r4 = insert(std::nullopt, std::nullopt);
    std::string lowerR3 = r3;
    std::transform(lowerR3.begin(), lowerR3.end(), lowerR3.begin(), [](unsigned char c) { return std::tolower(c); });

    struct Case {
        std::string name;
        DataController::FetchArguments arguments;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"limit 0", {.limit = 0}, {}},
        {"negative limit", {.limit = -3}, {}},
        {"everything", {.limit = 150}, {r4, r3, r2, r1}},
        {"limit cuts the oldest", {.limit = 2}, {r4, r3}},
        {"excluding the current run", {.excludingId = r4, .limit = 150}, {r3, r2, r1}},
        {"excluding a malformed id", {.excludingId = "current", .limit = 150}, {}},
        {"one device", {.deviceId = "A", .limit = 150}, {r2, r1}},
        {"normal ends", {.isNormalEnd = true, .limit = 150}, {r3, r1}},
        {"other ends, fresh rows included", {.isNormalEnd = false, .limit = 150}, {r4, r2}},
        {"device and other ends", {.deviceId = "A", .isNormalEnd = false, .limit = 150}, {r2}},
        {"all three conditions", {.excludingId = lowerR3, .deviceId = "B", .isNormalEnd = true, .limit = 150}, {}},
        {"excluding and normal", {.excludingId = lowerR3, .isNormalEnd = true, .limit = 1}, {r1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ids(store->fetchHistories(c.arguments)), c.expected) << c.name;
}

TEST_F(DataControllerTest, OrderFollowsTheLocalDigitsOfEachRowsZoneAndKeepsTiesInInsertOrder)
{
    auto store = open();
    setNow(utc(2026, 3, 1, 1, 0, 0)); // 10:00 in Tokyo
    const std::string tokyo = store->insertHistory();
    setZone("UTC");
    setNow(utc(2026, 3, 1, 2, 0, 0)); // 02:00 in UTC: later in time, earlier in digits
    const std::string london = store->insertHistory();
    const std::string sameSecond = store->insertHistory();
    setNow(utc(2026, 3, 1, 0, 30, 0));
    const std::string early = store->insertHistory();

    EXPECT_EQ(ids(store->fetchHistories({.limit = 10})), (std::vector<std::string>{tokyo, london, sameSecond, early}));
}

TEST_F(DataControllerTest, ALimitedListKeepsARowLaunchedADayEarlierInAZoneFarAhead)
{
    auto store = open();
    setZone("Pacific/Kiritimati"); // UTC+14
    setNow(utc(2026, 3, 1, 0, 0, 0)); // 14:00 on 1 March there
    const std::string farAhead = store->insertHistory();
    setZone("Pacific/Pago_Pago"); // UTC-11
    std::vector<std::string> behind;
    for (int minute = 0; minute < 5; ++minute) {
        setNow(utc(2026, 3, 2, 0, minute, 0)); // 13:0x on 1 March there
        behind.push_back(store->insertHistory());
    }

    EXPECT_EQ(ids(store->fetchHistories({.limit = 2})), (std::vector<std::string>{farAhead, behind[4]}));
    EXPECT_EQ(ids(store->fetchHistories({.isNormalEnd = false, .limit = 3})), (std::vector<std::string>{farAhead, behind[4], behind[3]}));
}

TEST_F(DataControllerTest, AZoneTheSystemDoesNotKnowFallsBackToTheDevicesZone)
{
    const TolvaneControlHistory row{.launchDate = utc(2026, 3, 1, 1, 0, 0), .timeZone = "Nowhere/City"};
    EXPECT_EQ(row.launchDateText(), "20260301100000");
    setZone("UTC");
    EXPECT_EQ(row.launchDateText(), "20260301010000");
}

TEST_F(DataControllerTest, RowsPersistAcrossReopenInARollbackJournalStore)
{
    std::string id;
    {
        auto store = open();
        id = store->insertHistory();
        ASSERT_TRUE(store->closeHistory(id, EventCode::L003, "car"));
    }
    auto reopened = open();
    ASSERT_EQ(reopened->countHistories(), 1);
    EXPECT_EQ(reopened->fetchAllHistories().at(0).eventCode, "L003");
    EXPECT_FALSE(QFile::exists(folder.filePath("TolvaneControl.sqlite-wal")));

    QSqlDatabase probe = QSqlDatabase::addDatabase("QSQLITE", "journal-probe");
    probe.setDatabaseName(folder.filePath("TolvaneControl.sqlite"));
    ASSERT_TRUE(probe.open());
    {
        QSqlQuery query(probe);
        ASSERT_TRUE(query.exec("PRAGMA journal_mode") && query.next());
        EXPECT_EQ(query.value(0).toString(), "delete");
    }
    probe.close();
    probe = QSqlDatabase();
    QSqlDatabase::removeDatabase("journal-probe");
}

// A store the program did not write may hold any integer as a date; one beyond what the clock can
// hold reads as the clock's far end instead of wrapping round.
TEST_F(DataControllerTest, ADateBeyondTheClocksRangeReadsAsItsEnd)
{
    std::string id;
    {
        auto store = open();
        id = store->insertHistory();
        ASSERT_TRUE(store->closeHistory(id, EventCode::L003, "car"));
    }
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "far-dates");
        raw.setDatabaseName(folder.filePath("TolvaneControl.sqlite"));
        ASSERT_TRUE(raw.open());
        QSqlQuery query(raw);
        ASSERT_TRUE(query.exec("UPDATE TolvaneControlHistory SET launchDate = 9223372036854775807, "
                               "closeDate = -9223372036854775807"));
        raw.close();
    }
    QSqlDatabase::removeDatabase("far-dates");

    const auto rows = open()->fetchAllHistories();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].launchDate, foundation::Date::max());
    EXPECT_EQ(rows[0].closeDate, foundation::Date::min());
}

TEST_F(DataControllerTest, DeletionsWaitForTheSaveAndRemoveARowOrACarsRows)
{
    auto store = open();
    const std::string a1 = store->insertHistory();
    const std::string a2 = store->insertHistory();
    const std::string b = store->insertHistory();
    store->updateHistory(a1, "A", "car");
    store->updateHistory(a2, "A", "car");
    ASSERT_TRUE(store->deleteHistories("A"));
    EXPECT_EQ(store->countHistories(), 1);
    EXPECT_EQ(open()->countHistories(), 3);
    ASSERT_TRUE(store->saveContext());
    EXPECT_EQ(open()->countHistories(), 1);

    EXPECT_FALSE(store->deleteHistory("nope"));
    ASSERT_TRUE(store->deleteHistory(b));
    ASSERT_TRUE(store->saveContext());
    EXPECT_EQ(ids(open()->fetchAllHistories()), std::vector<std::string>{});
    EXPECT_TRUE(store->saveContext());
}

// Another connection reading the store holds its shared lock, so a commit cannot get the file.
class ReaderHoldingTheStore {
public:
    explicit ReaderHoldingTheStore(const QString& path) : db_(QSqlDatabase::addDatabase("QSQLITE", "reader"))
    {
        db_.setDatabaseName(path);
        db_.setConnectOptions("QSQLITE_BUSY_TIMEOUT=0");
        db_.open();
        QSqlQuery query(db_);
        query.exec("BEGIN");
        query.exec("SELECT count(*) FROM TolvaneControlHistory");
        query.next();
    }
    ~ReaderHoldingTheStore()
    {
        QSqlQuery(db_).exec("COMMIT");
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase("reader");
    }

private:
    QSqlDatabase db_;
};

TEST_F(DataControllerTest, AFailedSaveIsReportedAsFalseAndRolledBack)
{
    testing_support::ScopedLogCapture log;
    auto store = open();
    const std::string id = store->insertHistory();
    ASSERT_TRUE(store->closeHistory(id, EventCode::E001, "before"));
    {
        ReaderHoldingTheStore reader(folder.filePath("TolvaneControl.sqlite"));
        EXPECT_FALSE(store->closeHistory(id, EventCode::E010, "after"));
        EXPECT_FALSE(store->updateHistory(id, "SN", "after"));
        EXPECT_EQ(store->insertHistory(), "");
    }
    EXPECT_TRUE(log.contains("Unresolved error "));
    const auto rows = store->fetchAllHistories();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].eventCode, "E001");
    EXPECT_EQ(rows[0].carName, "before");
    EXPECT_EQ(rows[0].deviceId, std::nullopt);
    EXPECT_TRUE(store->closeHistory(id, EventCode::E010, "after"));
}

TEST_F(DataControllerTest, AFileThatIsNoHistoryStoreIsLoggedKeptAsideAndReplacedByANewStore)
{
    testing_support::ScopedLogCapture log;
    const QByteArray garbage(4096, 'g');
    {
        QFile file(folder.filePath("TolvaneControl.sqlite"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    setNow(utc(2026, 3, 1, 1, 2, 3));
    auto store = open();
    ASSERT_TRUE(store->isLoaded());
    EXPECT_FALSE(store->insertHistory().empty());
    EXPECT_TRUE(log.contains("Failed to load Core Data stack: "));

    QFile kept(folder.filePath("TolvaneControl.sqlite.unreadable-20260301100203"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), garbage);
}

TEST_F(DataControllerTest, AStoreOfAnotherShapeOrWithDamagedPagesIsKeptAsideAtOpen)
{
    const QString path = folder.filePath("TolvaneControl.sqlite");
    const std::vector<std::function<void()>> damages = {
        [&] {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-shape"));
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            QSqlQuery(db).exec(QStringLiteral("CREATE TABLE TolvaneControlHistory (something TEXT)"));
            db.close();
        },
        [&] {
            {
                auto store = open();
                for (int i = 0; i < 20; ++i)
                    store->insertHistory();
                ASSERT_TRUE(store->saveContext());
            }
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_GT(file.size(), 4096);
            file.seek(4096); // the table's first page, past the file's header
            file.write(QByteArray(64, '\xff'));
        },
    };
    for (size_t i = 0; i < damages.size(); ++i) {
        SCOPED_TRACE(i);
        QFile::remove(path);
        damages[i]();
        QSqlDatabase::removeDatabase(QStringLiteral("other-shape"));
        setNow(utc(2026, 3, 1, 1, 2, static_cast<int>(i)));
        testing_support::ScopedLogCapture log;
        auto store = open();
        ASSERT_TRUE(store->isLoaded());
        EXPECT_FALSE(store->insertHistory().empty());
        EXPECT_TRUE(store->saveContext());
        EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("TolvaneControl.sqlite.unreadable-2026030110020%1").arg(i))));
    }
}

TEST_F(DataControllerTest, DamageFoundWhileRunningKeepsTheStoreAsideAndCarriesTheRowsThatStillRead)
{
    auto store = open();
    const std::string longName(300, 'n');
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(store->closeHistory(store->insertHistory(), EventCode::N001, longName));
    {
        // Another writer damages a page in the middle and marks the file changed, so the store's
        // cached pages are read again.
        QFile file(folder.filePath("TolvaneControl.sqlite"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_GT(file.size(), 10 * 4096);
        file.seek(6 * 4096);
        file.write(QByteArray(200, '\xff'));
        file.seek(24);
        const QByteArray counter = file.read(4);
        file.seek(24);
        file.write(QByteArray(4, static_cast<char>(counter[3] + 1)));
    }
    setNow(utc(2026, 3, 1, 1, 2, 9));
    testing_support::ScopedLogCapture log;
    const auto rows = store->fetchAllHistories();
    EXPECT_TRUE(log.contains("The unreadable history store was kept aside"));
    EXPECT_GT(rows.size(), 150u) << "only the rows on the damaged page are lost";
    EXPECT_LT(rows.size(), 200u);
    EXPECT_TRUE(QFile::exists(folder.filePath("TolvaneControl.sqlite.unreadable-20260301100209")));
    EXPECT_FALSE(store->insertHistory().empty());
    EXPECT_EQ(store->fetchAllHistories().size(), rows.size() + 1);
}

TEST_F(DataControllerTest, AStoreThatCannotBeOpenedFailsEveryOperationSoftly)
{
    testing_support::ScopedLogCapture log;
    // The documents folder is a file, so the store can be neither opened nor made.
    QFile blocking(folder.filePath("a-file"));
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    auto store = std::make_unique<DataController>(blocking.fileName().toStdString(), time);
    EXPECT_FALSE(store->isLoaded());
    EXPECT_TRUE(log.contains("Failed to load Core Data stack: "));
    EXPECT_EQ(store->insertHistory(), "");
    EXPECT_FALSE(store->updateHistory("00000000-0000-4000-8000-000000000000", "a", "b"));
    EXPECT_EQ(store->fetchHistories({.limit = 10}).size(), 0u);
    EXPECT_EQ(store->countHistories(), 0);
    EXPECT_FALSE(store->deleteHistories("a"));
}

} // namespace
