#include "GeofenceScreenTest.h"

#include "Class/UI/Geofence/ViewModel/GeofenceViewModel.h"

#include "Internal/Model/CaseName.h"
#include "location/LocationError.h"

namespace geofence_testing {
namespace {

using location::LocationError;

constexpr const char* failedDialogFlag = "failed_dialog_flag";
constexpr const char* notPermittedFlag = "not_permitted_flag";

using GeofenceCheckTest = GeofenceScreenTest;

TEST_F(GeofenceCheckTest, ASafeFixAfterATenthOfASecondContinuesHalfASecondAfterTheStartAndNotBefore)
{
    answer(safeFix, 0.1);
    open();
    EXPECT_EQ(shown(), "checking");
    EXPECT_FALSE(geofence->view().isUserInteractionEnabled());
    advance(0.49);
    EXPECT_EQ(shown(), "checking");
    advance(0.01);
    EXPECT_EQ(shown(), "touch pre-confirmation");
    EXPECT_EQ(transitionManager->currentDisplay(), tolvane::app::DisplayType::touchPreConfirmation);
    EXPECT_FALSE(flag(failedDialogFlag));
    // The time-out of the handled check does nothing.
    advance(5);
    EXPECT_EQ(stack->viewControllers().size(), 3u);
    EXPECT_EQ(shown(), "touch pre-confirmation");
}

TEST_F(GeofenceCheckTest, EachZoneGivesItsPopUpWhateverTheFlagsAndOnlyTheLastFixCounts)
{
    struct Row {
        std::vector<Location> fixes;
        const char* expected;
    };
    const Row rows[] = {
        {{warningFix}, "warning pop-up"},
        {{safeFix, cautionFix}, "caution pop-up"},
        {{warningFix, safeFix}, "touch pre-confirmation"},
        {{}, "touch pre-confirmation"},
    };
    setFlag(failedDialogFlag);
    setFlag(notPermittedFlag);
    for (const Row& row : rows) {
        source->answerNextRequest(row.fixes, 0.7);
        open();
        advance(1);
        EXPECT_EQ(shown(), row.expected) << row.fixes.size() << " fixes";
        if (auto* presented = stack->presentedViewController())
            presented->dismiss(false);
        stack->popToRootViewController(false);
        settle();
    }
}

TEST_F(GeofenceCheckTest, NoFixGivesTheGPSPopUpAtTwoSecondsAndTheNextRunContinuesSilently)
{
    answer(safeFix, 2.5);
    open();
    advance(1.99);
    EXPECT_EQ(shown(), "checking");
    advance(0.01);
    EXPECT_EQ(shown(), "GPS pop-up");
    EXPECT_TRUE(flag(failedDialogFlag));
    EXPECT_TRUE(geofence->view().isUserInteractionEnabled());
    // The late fix is ignored.
    advance(1);
    EXPECT_EQ(shown(), "GPS pop-up");

    popup<tolvane::app::FailedGPSViewController>()->tapContinueBtn();
    settle();
    EXPECT_EQ(shown(), "touch pre-confirmation");
    open();
    advance(2);
    EXPECT_EQ(shown(), "touch pre-confirmation");
    EXPECT_EQ(stack->presentedViewController(), nullptr);
}

TEST_F(GeofenceCheckTest, AnErrorOrAnEmptyTowerListCountsAsAFailedFixAfterTheMinimumTime)
{
    source->answerNextRequest(LocationError{LocationError::Code::locationUnknown, "no signal"}, 0.2);
    open();
    advance(0.29);
    EXPECT_EQ(shown(), "checking");
    advance(0.21);
    EXPECT_EQ(shown(), "GPS pop-up");
}

TEST_F(GeofenceCheckTest, ARefusalOfTheLocationServiceLeadsToThePermissionPopUp)
{
    source->answerNextRequest(LocationError{LocationError::Code::denied, "refused"}, 0.1);
    open();
    advance(1);
    EXPECT_EQ(shown(), "permission pop-up");
    EXPECT_TRUE(geofence->checkCompleteFlag);
}

TEST_F(GeofenceCheckTest, ARefusedPermissionShowsItsPopUpOnlyUntilTheUserDeclinedOnce)
{
    struct Row {
        AuthorizationStatus status;
        bool notPermitted;
        const char* expected;
    };
    const Row rows[] = {
        {AuthorizationStatus::denied, false, "permission pop-up"},
        {AuthorizationStatus::restricted, false, "permission pop-up"},
        {AuthorizationStatus::denied, true, "touch pre-confirmation"},
        {AuthorizationStatus::restricted, true, "touch pre-confirmation"},
    };
    for (const Row& row : rows) {
        authorization->setStatus(row.status);
        if (row.notPermitted)
            setFlag(notPermittedFlag);
        open();
        advance(0.1);
        EXPECT_EQ(shown(), row.expected) << location::caseName(row.status) << " " << row.notPermitted;
        EXPECT_TRUE(geofence->checkCompleteFlag);
        EXPECT_EQ(source->requestCount(), 0);
        if (auto* presented = stack->presentedViewController())
            presented->dismiss(false);
        stack->popToRootViewController(false);
        settle();
    }
}

class UndeterminedGeofenceCheckTest : public GeofenceScreenTest {
protected:
    UndeterminedGeofenceCheckTest() : GeofenceScreenTest(AuthorizationStatus::notDetermined, AuthorizationStatus::authorizedWhenInUse) {}
};

TEST_F(UndeterminedGeofenceCheckTest, GrantingThePromptStartsOneNewCheckWithOneRequest)
{
    answer(safeFix, 0.1);
    open();
    EXPECT_EQ(authorization->status(), AuthorizationStatus::authorizedWhenInUse);
    EXPECT_FALSE(geofence->isShowOSDialog);
    EXPECT_EQ(shown(), "checking");
    advance(1);
    EXPECT_EQ(shown(), "touch pre-confirmation");
    EXPECT_EQ(source->requestCount(), 1) << "one event per change, so one new check";
}

class RefusedPromptGeofenceCheckTest : public GeofenceScreenTest {
protected:
    RefusedPromptGeofenceCheckTest() : GeofenceScreenTest(AuthorizationStatus::notDetermined, AuthorizationStatus::denied) {}
};

TEST_F(RefusedPromptGeofenceCheckTest, RefusingThePromptLeadsToThePermissionPopUp)
{
    open();
    advance(1);
    EXPECT_EQ(shown(), "permission pop-up");
    EXPECT_EQ(source->requestCount(), 0);
}

TEST_F(GeofenceCheckTest, APermissionChangeAfterTheCheckEndedDoesNothing)
{
    open();
    advance(2);
    ASSERT_EQ(shown(), "GPS pop-up");
    authorization->setStatus(AuthorizationStatus::denied);
    advance(1);
    authorization->setStatus(AuthorizationStatus::authorizedAlways);
    advance(3);
    EXPECT_EQ(shown(), "GPS pop-up");
    EXPECT_EQ(source->requestCount(), 1);
}

TEST_F(GeofenceCheckTest, WithServicesOffThePermissionPopUpGoesInTheBackgroundAndTheReturnChecksAgain)
{
    source->setAvailable(false);
    open();
    advance(0.1);
    EXPECT_EQ(shown(), "permission pop-up");
    EXPECT_FALSE(geofence->checkCompleteFlag);

    enterBackground();
    advance(1);
    EXPECT_EQ(shown(), "geofence without spinner") << "the permission pop-up goes with the move to the background";
    source->setAvailable(true);
    answer(safeFix, 0.2);
    enterForeground();
    advance(0.09);
    EXPECT_EQ(source->requestCount(), 0);
    advance(0.01);
    EXPECT_EQ(source->requestCount(), 1);
    advance(1);
    EXPECT_EQ(shown(), "touch pre-confirmation");
}

TEST_F(GeofenceCheckTest, AFixArrivingInTheBackgroundIsIgnoredAndTheReturnStartsANewTimeOut)
{
    answer(warningFix, 1.0);
    open();
    advance(0.5);
    enterBackground();
    advance(2.5);
    EXPECT_EQ(shown(), "checking") << "neither the fix nor the time-out acted";
    enterForeground();
    advance(0.1);
    EXPECT_EQ(source->requestCount(), 2);
    advance(1.99);
    EXPECT_EQ(shown(), "checking");
    advance(0.01);
    EXPECT_EQ(shown(), "GPS pop-up");
}

TEST_F(GeofenceCheckTest, AShortTripToTheBackgroundWhileAnErrorWaitsShowsThatErrorAndStartsNoSecondCheck)
{
    for (const double trip : {0.05, 0.3}) {
        SCOPED_TRACE(trip);
        foundation::UserDefaults::standard()->removeObject(failedDialogFlag);
        source->answerNextRequest(LocationError{LocationError::Code::locationUnknown, "no signal"}, 0.05);
        const int requestsBefore = source->requestCount();
        open();
        advance(0.06);
        enterBackground();
        advance(trip);
        enterForeground();
        advance(1);
        EXPECT_EQ(source->requestCount(), requestsBefore + 1);
        ASSERT_EQ(shown(), "GPS pop-up");
        // Its buttons act: the pop-up lies over the screen that presented it.
        popup<tolvane::app::FailedGPSViewController>()->tapContinueBtn();
        settle();
        EXPECT_EQ(shown(), "touch pre-confirmation");
        stack->popToRootViewController(false);
        settle();
    }
}

TEST_F(GeofenceCheckTest, AShortTripToTheBackgroundWhileThePermissionPopUpFadesOutChecksOnceItHasGone)
{
    for (const double trip : {0.05, 0.3}) {
        SCOPED_TRACE(trip);
        source->setAvailable(false);
        const int requestsBefore = source->requestCount();
        open();
        advance(1);
        ASSERT_EQ(shown(), "permission pop-up");
        enterBackground();
        source->setAvailable(true);
        answer(safeFix, 0.2);
        advance(trip);
        enterForeground();
        advance(0.1);
        EXPECT_EQ(shown(), "permission pop-up") << "still fading out: the fade takes half a second";
        advance(0.5);
        EXPECT_EQ(shown(), "checking");
        EXPECT_EQ(source->requestCount(), requestsBefore + 1);
        advance(1);
        EXPECT_EQ(shown(), "touch pre-confirmation");
        stack->popToRootViewController(false);
        settle();
    }
}

TEST_F(GeofenceCheckTest, AReturnToTheForegroundChecksAgainOnlyWhileTheScreenIsOnTopWithNothingOverIt)
{
    // Under its own pop-up.
    open();
    advance(2);
    ASSERT_EQ(shown(), "GPS pop-up");
    enterBackground();
    enterForeground();
    advance(3);
    EXPECT_EQ(shown(), "GPS pop-up");
    EXPECT_EQ(source->requestCount(), 1);

    // Under the next screen, after a silent continue.
    popup<tolvane::app::FailedGPSViewController>()->tapContinueBtn();
    settle();
    open();
    advance(2);
    ASSERT_EQ(shown(), "touch pre-confirmation");
    const size_t screens = stack->viewControllers().size();
    enterBackground();
    enterForeground();
    advance(3);
    EXPECT_EQ(source->requestCount(), 2);
    EXPECT_EQ(stack->viewControllers().size(), screens);
    EXPECT_EQ(shown(), "touch pre-confirmation");
}

TEST_F(GeofenceCheckTest, TheViewModelRefusesEveryRequestOfTheVehicleAndShowsStackedAlerts)
{
    open();
    auto viewModel = std::dynamic_pointer_cast<tolvane::app::GeofenceViewModel>(geofence->viewModel);
    ASSERT_TRUE(viewModel);
    for (tolvane::RequiredDisplayId displayId : foundation::allCases<tolvane::RequiredDisplayId>()) {
        EXPECT_FALSE(viewModel->transitionEnabled(displayId)) << tolvane::caseName(displayId);
    }
    EXPECT_EQ(viewModel->screenName(), "Geofence");
    EXPECT_FALSE(viewModel->showsExitButton());
    EXPECT_TRUE(viewModel->showsIndicatorOnOpening());
    EXPECT_TRUE(viewModel->showsStackedAlerts());
    EXPECT_TRUE(viewModel->skipsKeyHaltPopup());
}

} // namespace
} // namespace geofence_testing
