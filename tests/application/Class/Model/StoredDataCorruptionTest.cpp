#include "Class/Model/CarRecordStore.h"
#include "Class/Model/DataController.h"
#include "Class/Model/UserDefaultsKey.h"
#include "application/support/ScopedLogCapture.h"
#include "support/CapturingSystemLog.h"

#include "foundation/TimeZone.h"
#include "foundation/UserDefaults.h"
#include "foundation/VirtualTime.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace {

using namespace std::chrono;
using tolvane::app::CarRecordList;
using tolvane::app::CarRecordStore;
using tolvane::app::DataController;
using tolvane::app::EventCode;
using tolvane::app::UserDefaultsKey;

const std::string kCarsKey(rawValue(UserDefaultsKey::CarRecords));
const std::string kVolumeKey(rawValue(UserDefaultsKey::soundVolume));
// The kept copies are dated with the start's wall-clock time, 2026/03/01 10:20:30 UTC.
const QString kKeptSuffix = ".unreadable-20260301102030";

QByteArray randomBytes(size_t size)
{
    std::mt19937 generator(33);
    QByteArray bytes;
    for (size_t i = 0; i < size; ++i)
        bytes.append(static_cast<char>(generator() & 0xff));
    return bytes;
}

QByteArray carText(const std::string& id, const std::string& picture, const std::string& name)
{
    return QByteArray::fromStdString(R"({"CarID":)" + id + R"(,"CarImagePath":")" + picture + R"(","CarName":")" + name +
                                     R"(","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/01 10:00:00"})");
}

// What a start makes of one damaged stored thing.
struct Outcome {
    // Lines that name the damage.
    int timesLogged = 0;
    // The damaged thing is kept aside exactly as it was.
    bool keptAsItWas = false;
    // The readable items carried over into the live store.
    size_t carried = 0;
    // What the program then shows of it.
    std::string shown;
};

class StoredDataCorruptionTest : public ::testing::Test {
protected:
    StoredDataCorruptionTest()
    {
        foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("UTC"));
        time.setWallStart(sys_days{year{2026} / 3 / 1} + hours{10} + minutes{20} + seconds{30});
    }
    ~StoredDataCorruptionTest() override { foundation::TimeZone::setDefault(std::nullopt); }

    QString path(const QString& name) const { return folder.filePath(name); }

    // A damage is a file's new bytes, or a folder (with one file in it) in the file's place.
    struct Damage {
        std::optional<QByteArray> bytes;
        void plant(const QString& file) const
        {
            QFile::remove(file);
            if (!bytes) {
                ASSERT_TRUE(QDir().mkpath(file + "/inside"));
                return;
            }
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(*bytes);
        }
        bool isKeptAt(const QString& kept) const
        {
            if (!bytes)
                return QFileInfo(kept + "/inside").isDir();
            QFile file(kept);
            return file.open(QIODevice::ReadOnly) && file.readAll() == *bytes;
        }
    };

    Outcome openSettings(const Damage& damage)
    {
        const QString file = path("TolvaneControl.ini");
        damage.plant(file);
        testing_support::ScopedSystemLogCapture systemLog;
        foundation::UserDefaults defaults(file.toStdString(), {.isKnownKey = tolvane::app::isUserDefaultsKey, .clock = &time});
        Outcome outcome;
        for (const std::string& line : systemLog->lines())
            outcome.timesLogged += line.find("could not be read") != std::string::npos ? 1 : 0;
        outcome.keptAsItWas = damage.isKeptAt(file + kKeptSuffix);
        const QStringList keys = QSettings(file, QSettings::IniFormat).allKeys();
        for (const QString& key : keys)
            EXPECT_TRUE(tolvane::app::isUserDefaultsKey(key.toStdString())) << "junk carried over: " << key.toStdString();
        outcome.carried = static_cast<size_t>(keys.size());
        outcome.shown = defaults.string(kVolumeKey).value_or("no volume stored");
        EXPECT_TRUE(defaults.setBool("TolvaneControl_soundEnable", true)) << "the settings can be written again";
        return outcome;
    }

    Outcome openCarList(const QByteArray& value)
    {
        auto defaults = std::make_shared<foundation::UserDefaults>(path("cars.ini").toStdString());
        defaults->setString(kCarsKey, value.toStdString());
        const auto stored = defaults->string(kCarsKey);
        testing_support::ScopedLogCapture log;
        CarRecordStore store(defaults);
        // The launch, becoming active and the first screen each read the cars.
        std::optional<std::vector<tolvane::app::CarRecord>> shown;
        for (int read = 0; read < 3; ++read)
            shown = store.loadCarRecords();
        Outcome outcome;
        for (const std::string& message : log.messages())
            outcome.timesLogged += message.starts_with("The stored car list cannot be read") ? 1 : 0;
        outcome.keptAsItWas = defaults->string(CarRecordStore::UNREADABLE_CAR_RECORDS_KEY) == stored;
        const auto live = CarRecordList::decode(defaults->string(kCarsKey).value_or(""));
        outcome.carried = live ? live->CarRecords.size() : 0;
        for (const auto& car : shown.value_or(std::vector<tolvane::app::CarRecord>{}))
            outcome.shown += (outcome.shown.empty() ? "" : ",") + car.CarName;
        EXPECT_TRUE(store.addCarRecord({.CarID = "NEW", .CarImagePath = "Documents/new.png", .CarName = "new"}));
        EXPECT_EQ(store.loadCarRecords()->size(), outcome.carried + 1) << "a new car joins the cars kept";
        QFile::remove(path("cars.ini"));
        return outcome;
    }

    Outcome openHistory(const std::function<void(const QString& file)>& damage, const Damage& planted)
    {
        const QString file = path("TolvaneControl.sqlite");
        {
            DataController healthy(folder.path().toStdString(), time);
            for (int i = 0; i < 40; ++i)
                healthy.closeHistory(healthy.insertHistory(), EventCode::N001, std::string(300, 'n'));
        }
        damage(file);
        QByteArray bytes;
        if (QFile in(file); QFileInfo(file).isFile() && in.open(QIODevice::ReadOnly))
            bytes = in.readAll();
        testing_support::ScopedLogCapture log;
        DataController store(folder.path().toStdString(), time);
        Outcome outcome;
        for (const std::string& message : log.messages())
            outcome.timesLogged += message.starts_with("The unreadable history store was kept aside") ? 1 : 0;
        outcome.keptAsItWas = planted.bytes ? Damage{bytes}.isKeptAt(file + kKeptSuffix) : planted.isKeptAt(file + kKeptSuffix);
        outcome.carried = store.fetchAllHistories().size();
        outcome.shown = std::to_string(store.fetchHistories({.limit = 150}).size()) + " runs";
        EXPECT_FALSE(store.insertHistory().empty()) << "new runs are recorded again";
        return outcome;
    }

    QTemporaryDir folder;
    foundation::VirtualTime time;
};

TEST_F(StoredDataCorruptionTest, EachDamagedStoreIsLoggedOnceKeptAsideAndWhatStillReadsCarriedOver)
{
    const QByteArray goodA = carText(R"("A")", "Documents/a.png", "first");
    const QByteArray goodB = carText(R"("B")", "Documents/b.png", "second");
    struct Expected {
        int timesLogged;
        bool keptAsItWas;
        size_t carriedAtLeast, carriedAtMost;
        std::string shown;
    };
    struct Case {
        std::string thing, damage;
        std::function<Outcome()> open;
        Expected expected;
    };
    auto settings = [&](std::optional<QByteArray> bytes) { return [this, bytes] { return openSettings({bytes}); }; };
    auto cars = [&](QByteArray value) { return [this, value] { return openCarList(value); }; };
    auto history = [&](std::function<void(const QString&)> damage, std::optional<QByteArray> planted = QByteArray()) {
        return [this, damage, planted] { return openHistory(damage, {planted}); };
    };
    auto overwrite = [](QByteArray bytes) {
        return [bytes](const QString& file) {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write(bytes);
        };
    };
    const std::vector<Case> cases = {
        {"settings", "truncated",
         settings("[General]\nTolvaneControl_soundVolume=0.25\nTolvaneControl_localizedString=\"ja\nTolvaneCont"),
         {1, true, 1, 2, "0.25"}},
        {"settings", "random", settings(randomBytes(600)), {1, true, 0, 0, "no volume stored"}},
        {"settings", "empty", settings(QByteArray()), {1, true, 0, 0, "no volume stored"}},
        {"settings", "wrong type", settings(R"({"TolvaneControl_soundVolume": 0.25})"), {1, true, 0, 0, "no volume stored"}},
        {"settings", "a folder in its place", settings(std::nullopt), {1, true, 0, 0, "no volume stored"}},

        {"car list", "truncated", cars(R"({"CarRecords":[)" + goodA.left(40)), {1, true, 0, 0, ""}},
        {"car list", "random", cars(randomBytes(300)), {1, true, 0, 0, ""}},
        {"car list", "empty", cars(""), {1, true, 0, 0, ""}},
        {"car list", "wrong type", cars(R"({"CarRecords":{"CarID":"A"}})"), {1, true, 0, 0, ""}},
        {"car list", "one record with a number, one with a picture outside",
         cars(R"({"CarRecords":[)" + goodA + "," + carText("7", "Documents/x.png", "number") + "," + goodB + "," +
              carText(R"("P")", "../../../etc/passwd", "outside") + "]}"),
         {1, true, 2, 2, "first,second"}},

        {"history", "truncated", history([](const QString& file) { QFile(file).resize(QFileInfo(file).size() - 4096 - 100); }),
         {1, true, 1, 39, ""}},
        {"history", "random", history(overwrite(randomBytes(8192))), {1, true, 0, 0, ""}},
        {"history", "empty", history(overwrite(QByteArray())), {1, true, 0, 0, ""}},
        {"history", "wrong type",
         history([](const QString& file) {
             QFile::remove(file);
             QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-shape"));
             db.setDatabaseName(file);
             ASSERT_TRUE(db.open());
             QSqlQuery(db).exec(QStringLiteral("CREATE TABLE TolvaneControlHistory (launchDate TEXT, something BLOB)"));
             QSqlQuery(db).exec(QStringLiteral("INSERT INTO TolvaneControlHistory VALUES ('yesterday', x'00')"));
             db.close();
         }),
         {1, true, 0, 0, ""}},
        {"history", "a folder in its place",
         history(
             [](const QString& file) {
                 QFile::remove(file);
                 QDir().mkpath(file + "/inside");
             },
             std::nullopt),
         {1, true, 0, 0, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.thing + ", " + c.damage);
        const Outcome outcome = c.open();
        QSqlDatabase::removeDatabase(QStringLiteral("other-shape"));
        EXPECT_EQ(outcome.timesLogged, c.expected.timesLogged);
        EXPECT_EQ(outcome.keptAsItWas, c.expected.keptAsItWas);
        EXPECT_GE(outcome.carried, c.expected.carriedAtLeast);
        EXPECT_LE(outcome.carried, c.expected.carriedAtMost);
        if (c.thing == "history")
            EXPECT_EQ(outcome.shown, std::to_string(outcome.carried) + " runs") << "every run carried over is listed";
        else
            EXPECT_EQ(outcome.shown, c.expected.shown);
        for (const QString& name : QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            if (QFileInfo(path(name)).isDir())
                QDir(path(name)).removeRecursively();
            else
                QFile::remove(path(name));
        }
    }
}

} // namespace
