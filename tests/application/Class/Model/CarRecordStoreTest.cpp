#include "Class/Model/CarRecordStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "application/support/ScopedLogCapture.h"
#include "application/support/ScopedUserDefaults.h"

#include <QTemporaryDir>

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
    // Its settings file is a folder now, so no write can succeed.
    QTemporaryDir folder;
    auto unwritable = std::make_shared<foundation::UserDefaults>(folder.path().toStdString());
    CarRecordStore broken(unwritable);
    EXPECT_FALSE(broken.addCarRecord(car("B")));
    EXPECT_EQ(broken.carRecordList, CarRecordList{});
    EXPECT_FALSE(broken.saveCarRecords({car("B")}));
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

TEST_F(CarRecordStoreTest, AnUnreadableStoredListIsLoggedKeptAsideAndNeverSilentlyLost)
{
    testing_support::ScopedLogCapture log;
    store.addCarRecord(car("A"));
    const std::string unreadable = R"({"CarRecords":[{"CarID":"OLD","CarName":"no dates"}]})";
    defaults->setString(kKey, unreadable);

    EXPECT_EQ(store.loadCarRecords(), std::nullopt);
    EXPECT_EQ(store.carRecordList->CarRecords, std::vector<CarRecord>{car("A")});
    EXPECT_EQ(*defaults->string(kKey), unreadable);
    EXPECT_TRUE(log.contains("The stored car list cannot be read"));

    store.addCarRecord(car("B"));
    EXPECT_EQ(defaults->string(CarRecordStore::UNREADABLE_CAR_RECORDS_KEY), unreadable);
    EXPECT_EQ(storedIds(), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(log.contains("The unreadable car list was kept aside"));

    const std::string secondUnreadable = R"({"CarRecords":"second"})";
    defaults->setString(kKey, secondUnreadable);
    store.addCarRecord(car("C"));
    EXPECT_EQ(defaults->string(CarRecordStore::UNREADABLE_CAR_RECORDS_KEY), unreadable) << "the first copy is kept";
    EXPECT_EQ(defaults->string("TolvaneControl_CarRecords_unreadable_2"), secondUnreadable);
}

TEST_F(CarRecordStoreTest, AnAbsentListInMemoryIsStoredAsNull)
{
    store.carRecordList.reset();
    store.addCarRecord(car("A"));
    EXPECT_EQ(defaults->string(kKey), "null");
    EXPECT_FALSE(store.carRecordList);
}

} // namespace
