#include "location/Authorization.h"
#include "location/ILocationManagerDelegate.h"
#include "location/LocationManager.h"
#include "location/ScriptedPositionSource.h"

#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using location::AuthorizationStatus;
using location::Location;
using location::LocationError;

// Writes down what the manager told it, one line per call.
class RecordingDelegate final : public location::ILocationManagerDelegate {
public:
    void didUpdateLocations(location::LocationManager&, const std::vector<Location>& locations) override
    {
        calls.push_back("fixes " + std::to_string(locations.size()));
    }
    void didFailWithError(location::LocationManager&, const LocationError& error) override { calls.push_back("failure " + error.reason); }
    void locationManagerDidChangeAuthorization(location::LocationManager& manager) override
    {
        calls.push_back("authorization " + std::string(location::caseName(manager.authorizationStatus())));
    }

    std::vector<std::string> calls;
};

class LocationManagerTest : public ::testing::Test {
protected:
    explicit LocationManagerTest(AuthorizationStatus status = AuthorizationStatus::authorizedWhenInUse)
        : authorization(std::make_shared<location::Authorization>(status, AuthorizationStatus::denied))
    {
        manager->setDelegate(delegate);
    }

    foundation::VirtualTime time;
    std::shared_ptr<location::ScriptedPositionSource> source = std::make_shared<location::ScriptedPositionSource>();
    std::shared_ptr<location::Authorization> authorization;
    std::shared_ptr<location::LocationManager> manager = std::make_shared<location::LocationManager>(source, authorization);
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
};

using Calls = std::vector<std::string>;

TEST_F(LocationManagerTest, EachRequestIsAnsweredOnceWhenItsScriptSaysAndALateRequestWaitsForever)
{
    source->answerNextRequest(std::vector<Location>{{47.5, 9.0}, {47.6, 9.1}}, 0.3);
    source->answerNextRequest(std::vector<Location>{}, 0.1);
    source->answerNextRequest(LocationError{LocationError::Code::locationUnknown, "no signal"}, 0.2);
    manager->requestLocation();
    time.advance(0.29);
    time.runUntilIdle();
    EXPECT_TRUE(delegate->calls.empty());
    time.advance(0.01);
    time.runUntilIdle();
    manager->requestLocation();
    manager->requestLocation();
    manager->requestLocation();
    time.advance(60);
    time.runUntilIdle();
    EXPECT_EQ(delegate->calls, (Calls{"fixes 2", "fixes 0", "failure no signal"}));
    EXPECT_EQ(source->requestCount(), 4);
}

TEST_F(LocationManagerTest, ARefusalOfTheServiceIsOneChangeToDeniedAndNoFailure)
{
    source->answerNextRequest(LocationError{LocationError::Code::denied, "refused"}, 0.1);
    manager->requestLocation();
    time.advance(1);
    time.runUntilIdle();
    EXPECT_EQ(manager->authorizationStatus(), AuthorizationStatus::denied);
    EXPECT_EQ(delegate->calls, Calls{"authorization denied"});
}

TEST_F(LocationManagerTest, ServicesFollowTheSource)
{
    EXPECT_TRUE(manager->locationServicesEnabled());
    source->setAvailable(false);
    EXPECT_FALSE(manager->locationServicesEnabled());
}

class UndeterminedLocationManagerTest : public LocationManagerTest {
protected:
    UndeterminedLocationManagerTest() : LocationManagerTest(AuthorizationStatus::notDetermined) {}
};

TEST_F(UndeterminedLocationManagerTest, ThePromptIsAnsweredOnTheNextTurnWithOneChangeAndOnlyOnce)
{
    time.runUntilIdle();
    EXPECT_TRUE(delegate->calls.empty()) << "setting the delegate reports nothing";
    manager->requestWhenInUseAuthorization();
    manager->requestWhenInUseAuthorization();
    EXPECT_EQ(manager->authorizationStatus(), AuthorizationStatus::notDetermined);
    time.runUntilIdle();
    EXPECT_EQ(manager->authorizationStatus(), AuthorizationStatus::denied);
    manager->requestWhenInUseAuthorization();
    time.runUntilIdle();
    EXPECT_EQ(delegate->calls, Calls{"authorization denied"});
}

TEST(AuthorizationTest, ThePromptCannotBeAnsweredWithNotDetermined)
{
    const location::Authorization authorization(AuthorizationStatus::notDetermined, AuthorizationStatus::notDetermined);
    EXPECT_EQ(authorization.answerToRequest(), AuthorizationStatus::authorizedWhenInUse);
}

TEST(AuthorizationTest, StatusesKeepThePlatformsRawValuesAndNames)
{
    const std::pair<AuthorizationStatus, const char*> rows[] = {
        {AuthorizationStatus::notDetermined, "notDetermined"}, {AuthorizationStatus::restricted, "restricted"},
        {AuthorizationStatus::denied, "denied"},               {AuthorizationStatus::authorizedAlways, "authorizedAlways"},
        {AuthorizationStatus::authorizedWhenInUse, "authorizedWhenInUse"}};
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(foundation::fromRaw<AuthorizationStatus>(static_cast<int32_t>(i)), rows[i].first);
        EXPECT_EQ(location::authorizationStatusNamed(rows[i].second), rows[i].first);
    }
    EXPECT_EQ(foundation::fromRaw<AuthorizationStatus>(5), std::nullopt);
    EXPECT_EQ(location::authorizationStatusNamed("granted"), std::nullopt);
}

} // namespace
