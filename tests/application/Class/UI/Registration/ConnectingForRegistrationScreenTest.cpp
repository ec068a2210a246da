#include "RegistrationFlowTest.h"

#include "Class/Model/EventStack.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectingForRegistration/ViewModel/ConnectingForRegistrationViewModel.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"

#include "support/ListeningUnitSocket.h"
#include "ui/Button.h"
#include "ui/Label.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;

class ConnectingForRegistrationScreenTest : public RegistrationFlowTest {
protected:
    // The devices list, then the fixture's unit chosen from it.
    void chooseUnit()
    {
        openDevices();
        shown<RegistrationDevicesViewController>()->viewModel->selectTerminal(0);
        time.runUntilIdle();
        ASSERT_TRUE(shown<ConnectingForRegistrationViewController>());
    }

    std::shared_ptr<ConnectingForRegistrationViewModel> viewModel()
    {
        return std::dynamic_pointer_cast<ConnectingForRegistrationViewModel>(shown<ConnectingForRegistrationViewController>()->viewModel);
    }

    size_t availabilityRequests() const
    {
        return static_cast<size_t>(std::ranges::count(userOperations->operations, UserOperationKind{UserOperationKind::REQ_CHECK_AVAILABLE_TOLVANE{}}));
    }

    CustomAlertController* failureAlert()
    {
        return dynamic_cast<CustomAlertController*>(registrationStack().presentedViewController());
    }

    bool hasE018() const
    {
        return std::ranges::count(EventStack::shared().stack(), EventCode::E018) == 1;
    }
};

TEST_F(ConnectingForRegistrationScreenTest, TheOpenedLinkAsksTheVehicleAndItsAnswerShowsTheCompletedScreenOnce)
{
    chooseUnit();
    const double opened = time.now();
    const auto screen = shown<ConnectingForRegistrationViewController>();
    EXPECT_EQ(screen->deviceName->text(), "VIN0001\n请等待60秒");
    acceptLink();
    EXPECT_TRUE(store->isConnected());
    EXPECT_EQ(availabilityRequests(), 1u);
    ASSERT_TRUE(viewModel()->displayRequestWaitingTimeoutTimer);
    EXPECT_TRUE(viewModel()->displayRequestWaitingTimeoutTimer->isValid());
    EXPECT_DOUBLE_EQ(viewModel()->displayRequestWaitingTimeoutTimer->fireDate(), opened + 40.0);

    time.advance(3.0);
    const auto timer = viewModel()->displayRequestWaitingTimeoutTimer;
    publish(VALID_VEHICLE_BLINKER, CauseId::DEF);
    publish(VALID_VEHICLE, CauseId::DEF);
    time.runUntilIdle();
    settle();
    EXPECT_TRUE(shown<ConnectionCompletionForRegistrationViewController>());
    EXPECT_EQ(countInStack<ConnectionCompletionForRegistrationViewController>(), 1u) << "a second answer pushes nothing more";
    EXPECT_FALSE(timer->isValid()) << "the screen went away, and its timer with it";
    time.advance(40.0);
    EXPECT_FALSE(failureAlert());
    EXPECT_FALSE(hasE018());
}

TEST_F(ConnectingForRegistrationScreenTest, NoAnswerWithinFortySecondsClosesTheLinkRecordsE018AndBackReturnsToTheList)
{
    chooseUnit();
    acceptLink();
    time.advance(39.9);
    EXPECT_FALSE(failureAlert());
    EXPECT_TRUE(store->isConnected());
    time.advance(0.2);
    EXPECT_FALSE(store->targetTerminalUdid());
    EXPECT_TRUE(hasE018());
    auto* alert = failureAlert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->titleLabel().text(), "Connection failed");
    ASSERT_EQ(alert->actions().size(), 1u);
    EXPECT_EQ(alert->actions()[0]->title(), "Back");
    alert->firstButtonTapped();
    settle();
    EXPECT_TRUE(shown<RegistrationDevicesViewController>());
    time.advance(3.0);
    EXPECT_FALSE(store->isConnected());
}

TEST_F(ConnectingForRegistrationScreenTest, AUnitThatCannotBeOpenedEndsInTheSameAlertWithoutAnyRequest)
{
    defaults->setInteger("TolvaneControl_maximumNumberOfRetryOpenSession", 2);
    unit.reset();
    chooseUnit();
    time.advance(2.5);
    time.runUntilIdle();
    EXPECT_EQ(availabilityRequests(), 0u);
    EXPECT_TRUE(hasE018());
    EXPECT_TRUE(failureAlert());
}

TEST_F(ConnectingForRegistrationScreenTest, AnOpenTheStoreRefusesStillEndsInTheAlertAfterFortySeconds)
{
    // Another open is still retrying a unit that went away; the store refuses a new first open.
    unit.reset();
    testing_support::ListeningUnitSocket otherUnit(folderPath(), "VIN0002");
    store->open(kUnit, TerminalStore::ConnectionOpenPattern::first, 60);
    ASSERT_TRUE(store->hasRetryTimer());
    chooseUnit();
    EXPECT_TRUE(logs.contains("Cannot open terminal because it is retrying open."));
    time.advance(39.9);
    EXPECT_FALSE(failureAlert());
    time.advance(0.2);
    EXPECT_TRUE(hasE018());
    EXPECT_TRUE(failureAlert());
    EXPECT_EQ(availabilityRequests(), 0u);
}

TEST_F(ConnectingForRegistrationScreenTest, OtherDisplayIdsAreRejectedWithTheirLogLineAndTheWaitGoesOn)
{
    chooseUnit();
    acceptLink();
    for (RequiredDisplayId other : {START_PARK_IN, SENSING, OPERATE}) {
        publish(other, CauseId::DEF);
        time.runUntilIdle();
        EXPECT_TRUE(shown<ConnectingForRegistrationViewController>()) << caseName(other);
        EXPECT_TRUE(logs.contains("Skip the transition. Reject the event. displayViewCategory : " + caseName(other))) << caseName(other);
    }
    EXPECT_TRUE(viewModel()->displayRequestWaitingTimeoutTimer->isValid());
}

TEST_F(ConnectingForRegistrationScreenTest, LeavingClosesTheLinkAndReturnsToTheList)
{
    chooseUnit();
    acceptLink();
    shown<ConnectingForRegistrationViewController>()->tapNavigationButtonLeave();
    settle();
    EXPECT_TRUE(shown<RegistrationDevicesViewController>());
    EXPECT_FALSE(store->targetTerminalUdid());
    time.advance(3.0);
    EXPECT_FALSE(store->isConnected());
    time.advance(41.0);
    EXPECT_FALSE(failureAlert()) << "the timer went with the screen";
}

} // namespace
} // namespace screen_testing
