#include "ProbeViewModel.h"
#include "ScreenFrameworkTest.h"

#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"
#include "application/Class/UI/Operating/OperatingViewModelStub.h"

#include <map>

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

// The operating screen's view model as the RESUME pop-up's second button finds it.
class OperatingProbe final : public ProbeViewModel, public operating_testing::OperatingViewModelStub {
public:
    using ProbeViewModel::ProbeViewModel;
    void didRequestEndHalfway() override { ++endHalfwayRequests; }
    void displayWarnConfirmation(InAppWarningKind kind) override { ProbeViewModel::displayWarnConfirmation(kind); }
    using ProbeViewModel::displayWarnConfirmation;
    int endHalfwayRequests = 0;
};

class BaseViewModelPopupTest : public ScreenFrameworkTest {
protected:
    BaseViewModelPopupTest()
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) {
            statistics.push_back(event.at("key"));
        };
    }
    ~BaseViewModelPopupTest() override { TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr; }

    // Shows the pop-up of a request and taps one of its buttons.
    void answer(RequiredDisplayId displayId, CauseId cause, const std::string& button)
    {
        viewModel->transition(displayId, cause);
        auto buttons = recorder.lastAlertActions();
        recorder.takeTexts();
        tap(buttons, button);
    }
    void answer(InAppWarningKind kind, const std::string& button)
    {
        viewModel->displayWarnConfirmation(kind);
        auto buttons = recorder.lastAlertActions();
        recorder.takeTexts();
        tap(buttons, button);
    }

    std::shared_ptr<OperatingProbe> viewModel = make<OperatingProbe>();
    ActionRecorder recorder{viewModel->baseActionPublisher()};
    Texts statistics;
};

TEST_F(BaseViewModelPopupTest, InterruptionPopupsCarryTheButtonsOfTheirCause)
{
    struct Case {
        RequiredDisplayId displayId;
        CauseId cause;
        bool skipsKeyHalt;
        // The buttons of the stacked pop-up; none: nothing is published.
        std::optional<Texts> buttons;
    };
    using enum CauseId;
    const Texts resume{"Resume"};
    const Texts exit{"Exit"};
    const Case cases[] = {
        {RESUME, DEF, false, Texts{"关闭车辆电源", "我要上车", "取消"}},
        {HALT, CAN_LOSS, false, std::nullopt},
        {HALT, KEYS_NO_DETECT, false, resume},
        {HALT, KEYS_NO_DETECT, true, std::nullopt},
        {HALT, ABNORMAL_KEY_IN_CAR, false, resume},
        {HALT, ABNORMAL_KEY_IN_CAR, true, std::nullopt},
        {HALT, ABNORMAL_CONNECT_BATTERY, false, Texts{}},
        {HALT, ABNORMAL_CONNECT_BATTERY, true, std::nullopt},
        {HALT, WRONG_WAY, true, resume},
        {HALT, BT_LOSS, false, Texts{}},
        {HALT, KEY_IN_CAR, false, Texts{}},
        {HALT, COUNTER_ANOMALY, false, Texts{}},
        {HALT, CHECKSUM_ANOMALY, false, Texts{}},
        {HALT, BT_OFF, false, Texts{}},
        {HALT, DCUCSRER_INTERRUPT, false, Texts{}},
        {HALT, DCUIDTER_INTERRUPT, false, Texts{}},
        {HALT, OBSTACLE, false, exit},
        {HALT, LOW_BATTERY, true, exit},
        {OPERATE, DEF, false, Texts{}},
        {STOP, USER_SELF, false, std::nullopt},
    };
    for (const auto& c : cases) {
        auto viewModel = make<ProbeViewModel>();
        viewModel->skipsKeyHalt = c.skipsKeyHalt;
        ActionRecorder recorder(viewModel->baseActionPublisher());
        viewModel->displayWarnConfirmation(c.displayId, c.cause);
        const std::string name = caseName(c.displayId) + " " + caseName(c.cause) + (c.skipsKeyHalt ? " skipping" : "");
        if (!c.buttons) {
            EXPECT_TRUE(recorder.texts().empty()) << name;
            continue;
        }
        ASSERT_EQ(recorder.actions().size(), 2u) << name;
        const auto& stacked = std::get<BaseAction::addStack>(recorder.actions()[0].value);
        EXPECT_EQ(titles(stacked.alertActions), *c.buttons) << name;
        EXPECT_EQ(recorder.texts()[1], "removeOtherStack(" + caseName(c.displayId) + ", " + caseName(c.cause) + ")") << name;
    }
}

TEST_F(BaseViewModelPopupTest, ResumingAWrongWayHaltHoldsBackLaterHalts)
{
    answer(HALT, CauseId::WRONG_WAY, "Resume");
    EXPECT_EQ(recorder.takeTexts(), Texts{"setIndicator"});
    EXPECT_EQ(userOperations->operations, (std::vector<UserOperationKind>{UserOperationKind::NOTIFY_CANNOT_START{}}));
    EXPECT_EQ(viewModel->excludeReqDisplayId, HALT);
    viewModel->transition(HALT, CauseId::BT_LOSS);
    EXPECT_TRUE(recorder.takeTexts().empty());
}

TEST_F(BaseViewModelPopupTest, ResumingAKeyHaltOnlyRecordsItsCause)
{
    answer(HALT, CauseId::KEYS_NO_DETECT, "Resume");
    EXPECT_EQ(recorder.takeTexts(), Texts{"setIndicator"});
    EXPECT_EQ(viewModel->excludeCauseId, CauseId::KEYS_NO_DETECT);
    EXPECT_EQ(viewModel->excludeReqDisplayId, DEF);
    viewModel->transition(HALT, CauseId::KEYS_NO_DETECT);
    EXPECT_EQ(recorder.takeTexts().size(), 2u) << "a later halt of the same cause is shown again";
}

TEST_F(BaseViewModelPopupTest, ExitOfAHaltAsksToConfirmTheStop)
{
    answer(HALT, CauseId::OBSTACLE, "Exit");
    EXPECT_EQ(recorder.takeTexts(), Texts{"showAlertInApp(cancelConfrim, [OK|Cancel])"});
}

TEST_F(BaseViewModelPopupTest, TheResumePopupsButtons)
{
    answer(RESUME, CauseId::DEF, "关闭车辆电源");
    EXPECT_EQ(recorder.takeTexts(), Texts{"showAlertInApp(cancelConfrim, [OK|Cancel])"});

    answer(RESUME, CauseId::DEF, "我要上车");
    EXPECT_TRUE(recorder.takeTexts().empty());
    EXPECT_EQ(viewModel->endHalfwayRequests, 1);

    answer(RESUME, CauseId::DEF, "取消");
    EXPECT_EQ(recorder.takeTexts(), (Texts{"removeAllStackAlert", "setIndicator"}));
    EXPECT_EQ(userOperations->operations, (std::vector<UserOperationKind>{UserOperationKind::NOTIFY_RESTART_DIALOG_OK{}}));
    EXPECT_TRUE(viewModel->isWaitingAfterResume());

    EXPECT_EQ(statistics, (Texts{"tirmalunesko/jieshutirmalunesko/alert/guanbicheliangdianyuan",
                                 "tirmalunesko/jieshutirmalunesko/alert/woyaoshangche", "tirmalunesko/jieshutirmalunesko/alert/quxiao"}));

    viewModel->transition(RESUME, CauseId::DEF);
    EXPECT_TRUE(recorder.takeTexts().empty()) << "a second RESUME waits for the vehicle";
}

TEST_F(BaseViewModelPopupTest, InAppWarningsCarryTheButtonsOfTheirKind)
{
    for (auto kind : foundation::allCases<InAppWarningKind>()) {
        auto viewModel = make<ProbeViewModel>();
        ActionRecorder recorder(viewModel->baseActionPublisher());
        viewModel->displayWarnConfirmation(kind);
        std::string buttons = "[]";
        if (kind == InAppWarningKind::overrideOperations)
            buttons = "[Resume|Exit]";
        else if (kind == InAppWarningKind::cancelConfrim)
            buttons = "[OK|Cancel]";
        else if (kind == InAppWarningKind::timedOutRequestIDWaiting)
            buttons = "[Exit|OK]";
        EXPECT_EQ(recorder.texts(), Texts{"showAlertInApp(" + std::string(caseName(kind)) + ", " + buttons + ")"});
    }
}

TEST_F(BaseViewModelPopupTest, ConfirmingTheStopCancelsAndWaitsForTheVehicle)
{
    viewModel->isShowStopConfirmation = true;
    answer(InAppWarningKind::cancelConfrim, "OK");
    EXPECT_EQ(recorder.takeTexts(), (Texts{"removeAllStackAlert", "setIndicator"}));
    EXPECT_EQ(userOperations->operations, (std::vector<UserOperationKind>{UserOperationKind::REQ_CANCEL{}}));
    EXPECT_TRUE(viewModel->isWaitingAfterWarnConfirmation);
    EXPECT_FALSE(viewModel->isShowStopConfirmation);
    EXPECT_EQ(viewModel->locks, std::vector<bool>{true});

    viewModel->displayWarnConfirmation(InAppWarningKind::cancelConfrim);
    EXPECT_TRUE(recorder.takeTexts().empty()) << "not offered again once confirmed";
}

TEST_F(BaseViewModelPopupTest, DecliningTheStopRoutesTheLatestRequestAgainUnlessItWasAnInterruption)
{
    viewModel->transition(OPERATE, CauseId::DEF);
    router->calls.clear();
    viewModel->isShowStopConfirmation = true;
    answer(InAppWarningKind::cancelConfrim, "Cancel");
    EXPECT_EQ(recorder.takeTexts(), (Texts{"removeStack(stopConfirmation)", "removeOtherStack(OPERATE, DEF)"}));
    EXPECT_EQ(router->calls, Texts{"showOperating"});
    EXPECT_FALSE(viewModel->isShowStopConfirmation);
    EXPECT_EQ(viewModel->locks, std::vector<bool>{false});

    viewModel->transition(HALT, CauseId::BT_LOSS);
    router->calls.clear();
    answer(InAppWarningKind::cancelConfrim, "Cancel");
    EXPECT_EQ(recorder.takeTexts(), Texts{"removeStack(stopConfirmation)"});
    EXPECT_TRUE(router->calls.empty());
}

TEST_F(BaseViewModelPopupTest, AnsweringTheOverrideWarning)
{
    struct Case {
        std::string button;
        RequiredDisplayId latest;
        Texts commands;
        Texts notices;
        bool waiting;
        std::vector<bool> locks;
        size_t cancels;
    };
    const Case cases[] = {
        {"Resume", OPERATE, {"removeStack(stopConfirmation)", "setIndicator"}, {"outside:true"}, true, {true}, 0},
        {"Resume", SENSING, {"removeStack(stopConfirmation)", "removeOtherStack(SENSING, DEF)"}, {"outside:false"},
         false, {}, 0},
        {"Exit", OPERATE, {"removeAllStackAlert", "setIndicator"}, {"outside:false", "outside:true"}, true,
         {true}, 1},
    };
    for (const auto& c : cases) {
        auto viewModel = make<ProbeViewModel>();
        viewModel->transition(c.latest, CauseId::DEF);
        ActionRecorder recorder(viewModel->baseActionPublisher());
        displayModel->calls.clear();
        userOperations->operations.clear();
        store->isInterrupted = false;
        viewModel->isShowStopConfirmation = true;
        viewModel->displayWarnConfirmation(InAppWarningKind::overrideOperations);
        auto buttons = recorder.lastAlertActions();
        recorder.takeTexts();
        tap(buttons, c.button);

        const std::string name = c.button + " on " + caseName(c.latest);
        EXPECT_EQ(recorder.takeTexts(), c.commands) << name;
        EXPECT_EQ(displayModel->calls, c.notices) << name;
        EXPECT_EQ(viewModel->isWaitingResumeAfterOverride, c.waiting) << name;
        EXPECT_EQ(store->isInterrupted, c.waiting) << name;
        EXPECT_EQ(viewModel->locks, c.locks) << name;
        EXPECT_EQ(userOperations->operations.size(), c.cancels) << name;
        EXPECT_FALSE(viewModel->isShowStopConfirmation) << name;
    }
}

TEST_F(BaseViewModelPopupTest, TheRequestIdTimeOutWarningCancelsTheStartOrConfirmsTheStop)
{
    answer(InAppWarningKind::timedOutRequestIDWaiting, "Exit");
    EXPECT_EQ(recorder.takeTexts(), Texts{"showAlertInApp(cancelConfrim, [OK|Cancel])"});

    store->isTimedOut = true;
    answer(InAppWarningKind::timedOutRequestIDWaiting, "OK");
    EXPECT_EQ(recorder.takeTexts(), (Texts{"removeAllStackAlert", "setIndicator"}));
    EXPECT_EQ(userOperations->operations, (std::vector<UserOperationKind>{UserOperationKind::NOTIFY_CANNOT_START{}}));
    EXPECT_FALSE(store->isTimedOut);
}

TEST_F(BaseViewModelPopupTest, TheNavigationBarCommandsFollowTheScreensButtons)
{
    viewModel->exitButton = false;
    viewModel->setupNavigationBar();
    EXPECT_EQ(recorder.takeTexts(), (Texts{"setNavigationBarHidden(false)", "setNavigationBarSettingButton"}));

    viewModel->exitButton = true;
    viewModel->isWaitingAfterWarnConfirmation = true;
    viewModel->setupNavigationBar();
    EXPECT_EQ(recorder.takeTexts(), (Texts{"setNavigationBarHidden(false)", "setNavigationBarSettingButton", "setNavigationBarExitButton"}));
    EXPECT_FALSE(viewModel->isWaitingAfterWarnConfirmation) << "a screen with the exit button offers the stop again";

    auto registration = make<RegistrationViewModel>();
    ActionRecorder registrationRecorder(registration->baseActionPublisher());
    registration->setupNavigationBar();
    EXPECT_EQ(registrationRecorder.texts(), (Texts{"setNavigationBarHidden(false)", "setNavigationBarLeftButton"}));
}

} // namespace
} // namespace screen_testing
