#include "location/Authorization.h"
#include "location/Location.h"
#include "location/QtPositionSource.h"

#include "foundation/VirtualTime.h"
#include "support/ScopedEnvironment.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using location::AuthorizationStatus;

TEST(ConfiguredAuthorizationTest, TheEnvironmentGivesTheStatusAndThePromptsAnswer)
{
    struct Row {
        std::optional<std::string> status;
        std::optional<std::string> answer;
        AuthorizationStatus expectedStatus;
        AuthorizationStatus expectedAnswer;
    };
    const Row rows[] = {
        {std::nullopt, std::nullopt, AuthorizationStatus::authorizedWhenInUse, AuthorizationStatus::authorizedWhenInUse},
        {"notDetermined", "denied", AuthorizationStatus::notDetermined, AuthorizationStatus::denied},
        {"restricted", "authorizedAlways", AuthorizationStatus::restricted, AuthorizationStatus::authorizedAlways},
        {"sometimes", "", AuthorizationStatus::authorizedWhenInUse, AuthorizationStatus::authorizedWhenInUse},
    };
    for (const Row& row : rows) {
        testing_support::ScopedEnvironment environment;
        environment.set(location::Authorization::statusVariable, row.status);
        environment.set(location::Authorization::answerVariable, row.answer);
        const auto authorization = location::Authorization::fromEnvironment();
        EXPECT_EQ(authorization->status(), row.expectedStatus) << row.status.value_or("unset");
        EXPECT_EQ(authorization->answerToRequest(), row.expectedAnswer) << row.answer.value_or("unset");
    }
}

TEST(LocationDistanceTest, AnInvalidPositionHasNoDistanceRatherThanNone)
{
    const location::Location tower{47.5, 9.0};
    EXPECT_NEAR((location::Location{47.5, 9.0}.distance(tower)), 0.0, 1e-9);
    EXPECT_TRUE(std::isnan((location::Location{NAN, 9.0}.distance(tower))));
    EXPECT_TRUE(std::isnan((location::Location{91.0, 9.0}.distance(tower))));
    EXPECT_TRUE(std::isnan((location::Location{47.5, 181.0}.distance(tower))));
}

// The Qt backend runs briefly in real time: Qt Positioning replays the log at its own pace.
TEST(QtPositionSourceTest, TheShippedDriveGivesAFixAtItsStart)
{
    static char name[] = "location_tests";
    char* argv[] = {name, nullptr};
    int argc = 1;
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance())
        application.emplace(argc, argv);
    foundation::VirtualTime time;
    auto source = location::QtPositionSource::nmeaReplay(TOLVANE_NMEA_DRIVE);
    ASSERT_TRUE(source->isAvailable());
    std::optional<location::IPositionSource::Answer> answer;
    source->requestUpdate([&answer](const location::IPositionSource::Answer& given) { answer = given; });
    const QDeadlineTimer deadline(10000);
    while (!answer && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        time.runUntilIdle();
    }
    ASSERT_TRUE(answer.has_value());
    const auto* fixes = std::get_if<std::vector<location::Location>>(&*answer);
    ASSERT_NE(fixes, nullptr);
    ASSERT_EQ(fixes->size(), 1u);
    EXPECT_NEAR(fixes->front().latitude, 47.5, 1e-6);
    EXPECT_NEAR(fixes->front().longitude, 9.0, 1e-6);
}

TEST(QtPositionSourceTest, AMissingLogMeansLocationServicesAreOff)
{
    EXPECT_FALSE(location::QtPositionSource::nmeaReplay("/nonexistent/drive.nmea")->isAvailable());
}

} // namespace
