#include "Class/Model/Utility/LibraryBundle.h"
#include "Class/UI/Geofence/Model/Geofence.h"

#include "TowerBundle.h"

#include "foundation/Bundle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace {

using geofence_testing::TowerBundle;
using tolvane::app::Area;
using tolvane::app::AreaList;
using tolvane::app::Geofence;
using enum tolvane::app::LocationStatus;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

Area tower(double warning, double caution, double latitude = 35.0)
{
    return {.name = "tower", .location = {.latitude = latitude, .longitude = 139.0}, .threshold = {.warning = warning, .caution = caution}};
}

// A distance the test chooses per tower, told apart by the tower's latitude.
Geofence::Distance distances(std::map<double, double> byLatitude)
{
    return [byLatitude](const location::Location&, const location::Location& tower) { return byLatitude.at(tower.latitude); };
}

TEST(GeofenceZonesTest, ATowersZoneFollowsTheExactDistanceWithStrictBounds)
{
    struct Row {
        double warning, caution, distance;
        tolvane::app::LocationStatus expected;
    };
    const Row rows[] = {
        {500, 100, 399.99, warningArea}, {500, 100, 400, cautionArea}, {500, 100, 599.99, cautionArea},
        {500, 100, 600, safetyArea},     {100, 200, 0, cautionArea},   {100, 200, 299.99, cautionArea},
        {500, 100, nan, safetyArea},
    };
    for (const Row& row : rows) {
        const Geofence geofence(distances({{35.0, row.distance}}));
        EXPECT_EQ(geofence.classify({35.0, 139.0}, {tower(row.warning, row.caution)}), std::vector{row.expected})
            << row.warning << "/" << row.caution << " at " << row.distance;
    }
}

TEST(GeofenceZonesTest, TheWorstTowerDecidesAndAnEmptyListIsAFailedFix)
{
    const Geofence geofence(distances({{1.0, 900}, {2.0, 450}, {3.0, 100}}));
    const location::Location phone{35.0, 139.0};
    {
        TowerBundle bundle(R"([{"name":"a","location":{"latitude":1,"longitude":139},"threshold":{"warning":500,"caution":100}},
                               {"name":"b","location":{"latitude":2,"longitude":139},"threshold":{"warning":500,"caution":100}}])");
        EXPECT_EQ(geofence.locationStatus(phone), cautionArea);
    }
    {
        TowerBundle bundle(R"([{"name":"a","location":{"latitude":1,"longitude":139},"threshold":{"warning":500,"caution":100}},
                               {"name":"b","location":{"latitude":2,"longitude":139},"threshold":{"warning":500,"caution":100}},
                               {"name":"c","location":{"latitude":3,"longitude":139},"threshold":{"warning":500,"caution":100}}])");
        EXPECT_EQ(geofence.classify(phone, geofence.loadAreas()), (std::vector{safetyArea, cautionArea, warningArea}));
        EXPECT_EQ(geofence.locationStatus(phone), warningArea);
    }
    {
        TowerBundle bundle("[]");
        EXPECT_EQ(geofence.locationStatus(phone), failedGPSArea);
    }
}

TEST(GeofenceZonesTest, RealDistancesAroundATowerOfFiveHundredAndOneHundredMetres)
{
    // Each point lies well clear of 400 m and 600 m, so any geodesic model agrees.
    struct Row {
        double north, east;
        tolvane::app::LocationStatus expected;
    };
    const Row rows[] = {
        {0.0030, 0, warningArea},  // about 333 m
        {0.0045, 0, cautionArea},  // about 500 m
        {0.0060, 0, safetyArea},   // about 667 m
        {0, 0.0040, warningArea},  // about 365 m east at 35° N
    };
    const Geofence geofence;
    for (const Row& row : rows)
        EXPECT_EQ(geofence.classify({35.0 + row.north, 139.0 + row.east}, {tower(500, 100)}), std::vector{row.expected})
            << row.north << " N, " << row.east << " E";
    EXPECT_NEAR((location::Location{0, 0}.distance({0, 1})), 111195, 10) << "one degree along the equator";
}

TEST(GeofenceZonesTest, TheReaderTakesOnlyCompleteTowersAndIgnoresOtherKeys)
{
    const std::string complete = R"({"name":"a","id":7,"location":{"latitude":35,"longitude":139.5},"threshold":{"warning":500,"caution":100.5}})";
    const AreaList read = AreaList::decode("[" + complete + "]");
    ASSERT_TRUE(read.isValid()) << read.error;
    EXPECT_EQ(read.areas, (std::vector<Area>{{.name = "a", .location = {35, 139.5}, .threshold = {500, 100.5}}}));
    EXPECT_TRUE(AreaList::decode("[]").isValid());

    const std::pair<std::string, std::string> refused[] = {
        {R"([{"name":"a","location":{"latitude":35,"longitude":139},"threshold":{"warning":500}}])", "[0].threshold.caution is not a number"},
        {R"([{"name":"a","location":{"latitude":35,"longitude":139},"threshold":{"warning":"500","caution":1}}])",
         "[0].threshold.warning is not a number"},
        {R"([{"name":null,"location":{"latitude":35,"longitude":139},"threshold":{"warning":5,"caution":1}}])", "[0].name is not a string"},
        {R"([{"name":"a","threshold":{"warning":5,"caution":1}}])", "[0].location is not an object"},
        {"[" + complete + ",3]", "[1] is not an object"},
        {complete, "the top level is not an array"},
        {"[", ""},
    };
    for (const auto& [json, error] : refused) {
        const AreaList list = AreaList::decode(json);
        EXPECT_FALSE(list.isValid()) << json;
        EXPECT_TRUE(list.areas.empty());
        if (!error.empty()) {
            EXPECT_EQ(list.error, error);
        }
    }
}

TEST(GeofenceZonesTest, OnlyTheFourStatusesHaveRawValues)
{
    for (int raw = 0; raw < 4; ++raw)
        EXPECT_EQ(foundation::rawValue(*foundation::fromRaw<tolvane::app::LocationStatus>(raw)), raw);
    EXPECT_EQ(foundation::fromRaw<tolvane::app::LocationStatus>(4), std::nullopt);
}

TEST(GeofenceZonesTest, TheShippedTowerListReadsAndItsDriveStartsSafe)
{
    foundation::Bundle::setMain(tolvane::app::libraryBundle());
    const Geofence geofence;
    const std::vector<Area> areas = geofence.loadAreas();
    foundation::Bundle::setMain(nullptr);
    ASSERT_EQ(areas.size(), 4u);
    EXPECT_TRUE(std::any_of(areas.begin(), areas.end(), [](const Area& area) { return area.threshold.caution > area.threshold.warning; }));
    const auto statuses = geofence.classify({47.5, 9.0}, areas);
    EXPECT_TRUE(std::all_of(statuses.begin(), statuses.end(), [](auto status) { return status == safetyArea; }));
}

using GeofenceZonesDeathTest = ::testing::Test;

TEST_F(GeofenceZonesDeathTest, AMissingOrUnreadableTowerListStopsTheProgramAtItsOwnLine)
{
    EXPECT_DEATH(
        {
            foundation::Bundle::setMain(nullptr);
            Geofence().loadAreas();
        },
        "TolvaneIntegrationApp/Geofence, line 58");
    EXPECT_DEATH(
        {
            TowerBundle bundle(R"({"name":"a"})");
            Geofence().loadAreas();
        },
        "TolvaneIntegrationApp/Geofence, line 54");
}

} // namespace
