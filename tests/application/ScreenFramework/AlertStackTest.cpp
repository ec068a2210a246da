#include "ApplicationTest.h"
#include "ProbeScreen.h"
#include "ProbeViewModel.h"

#include "Class/UI/Base/View/InteruptCustomAlertController.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

std::string describe(const InteruptCustomAlertController& alert)
{
    const auto& model = *alert.viewModel;
    if (model.reqDisplayId())
        return caseName(*model.reqDisplayId()) + " " + caseName(*model.causeId());
    return std::string(caseName(model.alertWarnKind()));
}

// A screen in the embedding stack, its view model allowing stacked alerts.
class AlertStackTest : public ApplicationTest {
protected:
    AlertStackTest()
    {
        showStack();
        screen->baseViewModel = viewModel;
        stack->pushViewController(screen, false);
        settle();
    }

    std::shared_ptr<InteruptCustomAlertController> requestAlert(RequiredDisplayId displayId, CauseId cause)
    {
        auto alert = di::Container::defaultContainer().resolve<InteruptCustomAlertController>();
        alert->viewModel->setRequiredWarn(displayId, cause);
        return alert;
    }
    std::shared_ptr<InteruptCustomAlertController> inAppAlert(InAppWarningKind kind)
    {
        auto alert = di::Container::defaultContainer().resolve<InteruptCustomAlertController>();
        alert->setInAppWarn(kind);
        return alert;
    }

    Texts stacked() const
    {
        Texts result;
        for (const auto& alert : screen->stackAlert)
            result.push_back(describe(*alert));
        return result;
    }
    // The alert on show, once every queued presentation and dismissal ran.
    std::string shown()
    {
        settle();
        auto* alert = dynamic_cast<InteruptCustomAlertController*>(stack->presentedViewController());
        return alert ? describe(*alert) : "nothing";
    }

    std::shared_ptr<ProbeScreen> screen = std::make_shared<ProbeScreen>();
    std::shared_ptr<ProbeViewModel> viewModel = make<ProbeViewModel>();
};

TEST_F(AlertStackTest, ANewAlertReplacesTheOneOfItsPriorityByTheRules)
{
    using Make = std::function<std::shared_ptr<InteruptCustomAlertController>()>;
    const auto halt = [this](CauseId cause) -> Make { return [this, cause] { return requestAlert(HALT, cause); }; };
    const Make resume = [this] { return requestAlert(RESUME, CauseId::DEF); };
    const auto inApp = [this](InAppWarningKind kind) -> Make { return [this, kind] { return inAppAlert(kind); }; };
    const auto cancel = inApp(InAppWarningKind::cancelConfrim);
    const auto override = inApp(InAppWarningKind::overrideOperations);
    const auto timeout = inApp(InAppWarningKind::timedOutRequestIDWaiting);
    struct Row {
        std::vector<Make> stackedBefore;
        Make pushed;
        Texts after;
    };
    const Row rows[] = {
        {{}, halt(CauseId::OBSTACLE), {"HALT OBSTACLE"}},
        {{halt(CauseId::OUT_AREA)}, halt(CauseId::OBSTACLE), {"HALT OBSTACLE"}},
        {{halt(CauseId::OUT_AREA), halt(CauseId::BT_LOSS)}, halt(CauseId::OBSTACLE), {"HALT BT_LOSS", "HALT OBSTACLE"}},
        {{halt(CauseId::OBSTACLE), halt(CauseId::BT_LOSS)}, halt(CauseId::OBSTACLE), {"HALT OBSTACLE", "HALT BT_LOSS"}},
        {{halt(CauseId::BT_OFF)}, halt(CauseId::OBSTACLE), {"HALT BT_OFF", "HALT OBSTACLE"}},
        {{resume}, halt(CauseId::DCUIDTER_INTERRUPT), {"HALT DCUIDTER_INTERRUPT"}},
        {{halt(CauseId::DCUIDTER_INTERRUPT)}, resume, {"RESUME DEF"}},
        {{override}, cancel, {"cancelConfrim"}},
        {{timeout}, cancel, {"cancelConfrim"}},
        {{cancel}, override, {"cancelConfrim"}},
        {{cancel}, timeout, {"cancelConfrim"}},
        {{timeout}, override, {"overrideOperations"}},
        {{override}, timeout, {"overrideOperations"}},
        {{cancel}, cancel, {"cancelConfrim"}},
    };
    for (const auto& row : rows) {
        screen->clearStackAlert();
        for (const auto& make : row.stackedBefore)
            screen->pushAlert(make());
        const auto before = screen->stackAlert;
        auto pushed = row.pushed();
        screen->pushAlert(pushed);
        EXPECT_EQ(stacked(), row.after) << describe(*pushed) << " onto " << before.size();
    }
}

TEST_F(AlertStackTest, AMoreUrgentAlertQueuedInTheSameTurnIsTheOneLeftOnShow)
{
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    screen->showAlertByPriority(HALT, CauseId::BT_LOSS, {});
    EXPECT_EQ(shown(), "HALT BT_LOSS");
}

TEST_F(AlertStackTest, TheSameRequestTwiceLeavesTheStackAsItWas)
{
    auto first = requestAlert(HALT, CauseId::OBSTACLE);
    screen->pushAlert(first);
    screen->pushAlert(requestAlert(HALT, CauseId::OBSTACLE));
    ASSERT_EQ(screen->stackAlert.size(), 1u);
    EXPECT_EQ(screen->stackAlert.front(), first);
}

TEST_F(AlertStackTest, TheMostUrgentAlertIsShownAndAMoreUrgentOneTakesItsPlace)
{
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    EXPECT_EQ(shown(), "HALT OBSTACLE");
    screen->showAlertByPriority(HALT, CauseId::CHECKSUM_ANOMALY, {});
    EXPECT_EQ(shown(), "HALT CHECKSUM_ANOMALY");
    screen->showAlertByPriority(HALT, CauseId::OUT_AREA, {});
    EXPECT_EQ(shown(), "HALT CHECKSUM_ANOMALY") << "a less urgent one waits in the stack";
    EXPECT_EQ(stacked(), (Texts{"HALT CHECKSUM_ANOMALY", "HALT OUT_AREA"}));
}

TEST_F(AlertStackTest, TheCancelConfirmationGivesWayOnlyToTheLinkAndKeyAlerts)
{
    screen->showAlertInApp(InAppWarningKind::cancelConfrim, {});
    EXPECT_EQ(shown(), "cancelConfrim");
    EXPECT_TRUE(viewModel->isShowStopConfirmation) << "the screen tells its view model the stop confirmation is up";
    screen->showAlertByPriority(HALT, CauseId::BT_OFF, {});
    EXPECT_EQ(shown(), "cancelConfrim");
    screen->showAlertByPriority(HALT, CauseId::BT_LOSS, {});
    EXPECT_EQ(shown(), "HALT BT_LOSS");
    EXPECT_FALSE(viewModel->isShowStopConfirmation);
}

TEST_F(AlertStackTest, NothingIsShownInTheBackgroundUntilTheScreenAppearsAgain)
{
    store->isBackground = true;
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    EXPECT_EQ(shown(), "nothing");
    EXPECT_TRUE(logs.contains("Skip showing any alerts. application is background."));
    store->isBackground = false;
    screen->viewDidAppear(false);
    EXPECT_EQ(shown(), "HALT OBSTACLE");
}

TEST_F(AlertStackTest, WhileAResumeIsAwaitedOnlyWhatBeatsACancelConfirmationIsShown)
{
    viewModel->setWaitingAfterResume(true);
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    EXPECT_EQ(shown(), "nothing");
    EXPECT_EQ(stacked(), Texts{"HALT OBSTACLE"});
    screen->showAlertByPriority(HALT, CauseId::BT_LOSS, {});
    EXPECT_EQ(shown(), "HALT BT_LOSS");
}

TEST_F(AlertStackTest, RemovingAnAlertShowsTheNextAndAnUnknownPriorityChangesNothing)
{
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    screen->showAlertByPriority(HALT, CauseId::BT_LOSS, {});
    EXPECT_EQ(shown(), "HALT BT_LOSS");
    screen->removeStack(DisplayPriority::stopConfirmation);
    EXPECT_EQ(shown(), "HALT BT_LOSS");
    EXPECT_EQ(stacked().size(), 2u);
    screen->removeStack(DisplayPriority::checkCommunicationDisruptedError);
    EXPECT_EQ(shown(), "HALT OBSTACLE");
}

TEST_F(AlertStackTest, RemovingTheOtherRequestsKeepsThePairAndTheInAppAlertsAndShowsAgain)
{
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    screen->showAlertByPriority(HALT, CauseId::CHECKSUM_ANOMALY, {});
    screen->showAlertInApp(InAppWarningKind::overrideOperations, {});
    EXPECT_EQ(shown(), "overrideOperations");
    auto* before = stack->presentedViewController();
    screen->removeOtherStack(HALT, CauseId::OBSTACLE);
    EXPECT_EQ(stacked(), (Texts{"HALT OBSTACLE", "overrideOperations"}));
    EXPECT_EQ(shown(), "overrideOperations");
    EXPECT_EQ(stack->presentedViewController(), before) << "the same alert, dismissed and shown again";
}

TEST_F(AlertStackTest, EmptyingTheStackClosesTheShownAlertBeforeTheCompletion)
{
    Texts done;
    screen->removeAllStackAlert([&] { done.push_back("at once"); });
    EXPECT_EQ(done, Texts{"at once"}) << "nothing on show";

    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    EXPECT_EQ(shown(), "HALT OBSTACLE");
    screen->removeAllStackAlert([&] { done.push_back(stack->presentedViewController() ? "too early" : "after the dismissal"); });
    EXPECT_TRUE(screen->stackAlert.empty());
    settle();
    EXPECT_EQ(done, (Texts{"at once", "after the dismissal"}));
}

TEST_F(AlertStackTest, AScreenThatDoesNotShowStackedAlertsOnlyKeepsThem)
{
    viewModel->stackedAlerts = false;
    screen->showAlertByPriority(HALT, CauseId::BT_LOSS, {});
    EXPECT_EQ(shown(), "nothing");
    EXPECT_EQ(stacked(), Texts{"HALT BT_LOSS"});
}

TEST_F(AlertStackTest, APlainCustomAlertGivesWayToAStackedOne)
{
    screen->showConnectionFailureAlert();
    settle();
    ASSERT_NE(dynamic_cast<CustomAlertController*>(stack->presentedViewController()), nullptr);
    screen->showAlertByPriority(HALT, CauseId::OBSTACLE, {});
    EXPECT_EQ(shown(), "HALT OBSTACLE");
}

TEST_F(AlertStackTest, AnAlertClosedForTheEndScreenKeepsItsCloseReason)
{
    screen->showAlertByPriority(HALT, CauseId::BT_LOSS, {});
    EXPECT_EQ(shown(), "HALT BT_LOSS");
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E006});
    viewModel->baseAction.send(BaseAction::setCurrentAlertDismissForWarn{});
    viewModel->baseAction.send(BaseAction::removeAllStackAlert{});
    settle();
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E006});
}

} // namespace
} // namespace screen_testing
