#include "Class/Model/CarRecordStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "application/support/ScopedLogCapture.h"
#include "application/support/ScopedUserDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using tolvane::app::CarRecord;
using tolvane::app::CarRecordList;
using tolvane::app::CarRecordStore;

const std::string kKey(tolvane::app::rawValue(tolvane::app::UserDefaultsKey::CarRecords));

CarRecord car(const std::string& id, const std::string& name = "My car")
{
    return {.CarID = id, .CarImagePath = "car_" + id + ".png", .CarName = name, .CreateDate = "2026/03/01 10:00:00",
            .UpdateDate = "2026/03/01 10:00:00"};
}

TEST(CarRecordListTest, DecodesAnyMemberOrderAndEscapedSlashesAndRefusesEverythingElse)
{
    const CarRecord expected{.CarID = "SN/1", .CarImagePath = "cars/a.png", .CarName = "Mine", .CreateDate = "2026/03/01 10:00:00",
                             .UpdateDate = "2026/03/02 11:00:00"};
    struct Case {
        std::string name, json;
        bool decodes;
    };
    const std::vector<Case> cases = {
        {"field order", R"({"CarRecords":[{"CarID":"SN/1","CarImagePath":"cars/a.png","CarName":"Mine","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/02 11:00:00"}]})", true},
        {"any order, escaped slashes, extra member",
         R"( { "extra": 1, "CarRecords" : [ {"UpdateDate":"2026\/03\/02 11:00:00","CarName":"Mine","x":[],"CreateDate":"2026\/03\/01 10:00:00","CarImagePath":"cars\/a.png","CarID":"SN\/1"} ] } )", true},
        {"missing UpdateDate", R"({"CarRecords":[{"CarID":"SN/1","CarImagePath":"cars/a.png","CarName":"Mine","CreateDate":"2026/03/01 10:00:00"}]})", false},
        {"number instead of text", R"({"CarRecords":[{"CarID":7,"CarImagePath":"cars/a.png","CarName":"Mine","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/02 11:00:00"}]})", false},
        {"null member", R"({"CarRecords":[{"CarID":null,"CarImagePath":"cars/a.png","CarName":"Mine","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/02 11:00:00"}]})", false},
        {"record that is no object", R"({"CarRecords":["SN/1"]})", false},
        {"no list", R"({"Cars":[]})", false},
        {"list that is no array", R"({"CarRecords":{}})", false},
        {"the null text", "null", false},
        {"bad JSON", R"({"CarRecords":[{"CarID":"SN/1",)", false},
        {"empty text", "", false},
    };
    for (const Case& c : cases) {
        std::string reason;
        const auto decoded = CarRecordList::decode(c.json, &reason);
        EXPECT_EQ(decoded.has_value(), c.decodes) << c.name;
        if (decoded)
            EXPECT_EQ(decoded->CarRecords, std::vector<CarRecord>{expected}) << c.name;
        else
            EXPECT_FALSE(reason.empty()) << c.name;
    }
    EXPECT_EQ(CarRecordList::decode(R"({"CarRecords":[]})")->CarRecords.size(), 0u);
}

TEST(CarRecordListTest, EncodesCompactlyInFieldOrderAndReadsBack)
{
    EXPECT_EQ(CarRecordList{{car("B")}}.encode(),
              R"({"CarRecords":[{"CarID":"B","CarImagePath":"car_B.png","CarName":"My car",)"
              R"("CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/01 10:00:00"}]})");
    const CarRecordList list{{car("A", "Ünïcode \"quoted\" \\ / name"), car("B")}};
    EXPECT_EQ(CarRecordList::decode(list.encode()), list);
    EXPECT_EQ(CarRecordList{}.encode(), R"({"CarRecords":[]})");
}

class CarRecordStoreTest : public ::testing::Test {
protected:
    std::vector<std::string> storedIds()
    {
        std::vector<std::string> ids;
        const auto list = CarRecordList::decode(*defaults->string(kKey));
        for (const CarRecord& record : list->CarRecords)
            ids.push_back(record.CarID);
        return ids;
    }

    testing_support::ScopedUserDefaults defaults;
    CarRecordStore store{defaults.shared()};
};

TEST_F(CarRecordStoreTest, NothingStoredReadsAsNothingAndAFirstAddStoresOneCarAsText)
{
    EXPECT_EQ(store.loadCarRecords(), std::nullopt);
    EXPECT_EQ(store.carRecordList, CarRecordList{});
    EXPECT_FALSE(store.selectedCarRecord);
    EXPECT_FALSE(store.isEdit);

    store.addCarRecord(car("A"));
    EXPECT_EQ(*defaults->string(kKey), CarRecordList{{car("A")}}.encode());
    EXPECT_EQ(CarRecordStore(defaults.shared()).loadCarRecords(), std::vector<CarRecord>{car("A")});
}

TEST_F(CarRecordStoreTest, DeleteRemovesOnlyTheFirstCarWithTheIdentifierAndAnUnknownOneChangesNothing)
{
    store.addCarRecord(car("A", "first"));
    store.addCarRecord(car("B"));
    store.addCarRecord(car("A", "second"));
    store.deleteCarRecord("A");
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(store.carRecordList->CarRecords.back().CarName, "second");

    const std::string before = *defaults->string(kKey);
    store.deleteCarRecord("Z");
    EXPECT_EQ(*defaults->string(kKey), before);
}

TEST_F(CarRecordStoreTest, SaveAllStoresTheGivenCarsAndLeavesTheListInMemoryUntilTheNextLoad)
{
    store.addCarRecord(car("A"));
    CarRecord renamed = car("A", "renamed");
    store.saveCarRecords({renamed});
    EXPECT_EQ(store.carRecordList->CarRecords, std::vector<CarRecord>{car("A")});
    EXPECT_EQ(store.loadCarRecords(), std::vector<CarRecord>{renamed});
    EXPECT_EQ(store.carRecordList->CarRecords, std::vector<CarRecord>{renamed});
}

TEST_F(CarRecordStoreTest, ACarListThatCannotBeWrittenIsReportedAndTheCarsInMemoryStayAsTheyWere)
{
    testing_support::ScopedLogCapture log;
    EXPECT_TRUE(store.addCarRecord(car("A")));
    EXPECT_TRUE(store.saveCarRecords({car("A", "renamed")}));
    EXPECT_TRUE(store.deleteCarRecord("A"));
    // Its settings file would sit inside a file, so no write can succeed.
    QTemporaryDir folder;
    QFile blocking(folder.filePath("a-file"));
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    auto unwritable = std::make_shared<foundation::UserDefaults>(folder.filePath("a-file/settings.ini").toStdString());
    CarRecordStore broken(unwritable);
    EXPECT_FALSE(broken.addCarRecord(car("B")));
    EXPECT_EQ(broken.carRecordList, CarRecordList{});
    EXPECT_FALSE(broken.saveCarRecords({car("B")}));
    broken.carRecordList = CarRecordList{{car("B")}};
    EXPECT_FALSE(broken.deleteCarRecord("B"));
    EXPECT_TRUE(log.contains("The car list could not be stored."));
}

TEST_F(CarRecordStoreTest, AddAndDeleteWorkOnTheStoredListNotAStaleOneInMemory)
{
    store.addCarRecord(car("A"));
    CarRecordStore other(defaults.shared());
    other.addCarRecord(car("B"));
    store.addCarRecord(car("C"));
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"A", "B", "C"}));
    other.deleteCarRecord("C");
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"A", "B"}));
}

TEST_F(CarRecordStoreTest, RecordsThatDoNotReadAreSetAsideAtOnceAndTheOthersKept)
{
    testing_support::ScopedLogCapture log;
    const std::string partly = R"({"CarRecords":[)"
                               R"({"CarID":"A","CarImagePath":"Documents/a.png","CarName":"first","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/01 10:00:00"},)"
                               R"({"CarID":7,"CarImagePath":"Documents/x.png","CarName":"number","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/01 10:00:00"},)"
                               R"({"CarID":"B","CarImagePath":"Documents/b.png","CarName":"second","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/01 10:00:00"},)"
                               R"({"CarID":"P","CarImagePath":"../../../etc/passwd","CarName":"outside","CreateDate":"2026/03/01 10:00:00","UpdateDate":"2026/03/01 10:00:00"}]})";
    defaults->setString(kKey, partly);

    const auto loaded = store.loadCarRecords();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 2u);
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(defaults->string(CarRecordStore::UNREADABLE_CAR_RECORDS_KEY), partly);
    store.loadCarRecords();
    EXPECT_TRUE(store.addCarRecord(car("C")));
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"A", "B", "C"}));
    const auto messages = log.messages();
    EXPECT_EQ(std::ranges::count_if(messages, [](const std::string& m) { return m.starts_with("The stored car list cannot be read"); }), 1);

    // A second unreadable list never replaces the copy kept of the first.
    const std::string secondUnreadable = R"({"CarRecords":"second"})";
    defaults->setString(kKey, secondUnreadable);
    EXPECT_TRUE(store.addCarRecord(car("D")));
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"A", "B", "C", "D"})) << "the cars in memory replace a list with none";
    EXPECT_EQ(defaults->string(CarRecordStore::UNREADABLE_CAR_RECORDS_KEY), partly);
    EXPECT_EQ(defaults->string("TolvaneControl_CarRecords_unreadable_2"), secondUnreadable);
}

TEST_F(CarRecordStoreTest, AnUnreadableListThatCannotBeKeptAsideIsNeitherReplacedNorReportedAsSaved)
{
    testing_support::ScopedLogCapture log;
    const std::string unreadable = R"({"CarRecords":[{"CarID":"OLD","CarName":"no dates"}]})";
    defaults->setString(kKey, unreadable);
    // A folder where the settings file belongs makes every write fail, as a full disk would.
    ASSERT_TRUE(QFile::remove(QString::fromStdString(defaults.path())));
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(defaults.path())));

    EXPECT_EQ(store.loadCarRecords(), std::nullopt);
    EXPECT_FALSE(store.addCarRecord(car("A")));
    EXPECT_TRUE(log.contains("The stored car list cannot be read and cannot be kept aside"));
}

TEST_F(CarRecordStoreTest, AnAbsentListInMemoryIsStoredAsNull)
{
    store.carRecordList.reset();
    store.addCarRecord(car("A"));
    EXPECT_EQ(defaults->string(kKey), "null");
    EXPECT_FALSE(store.carRecordList);
}

} // namespace
