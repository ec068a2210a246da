#include "OperatingActionTexts.h"

#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/UI/Operating/ViewModel/OperatingViewModel.h"

#include "Internal/Model/IVehicleStateData.h"

#include <gtest/gtest.h>

namespace operating_testing {
namespace {

using namespace tolvane;
using namespace tolvane::app;
using Texts = std::vector<std::string>;
using enum OperateReq;
using enum OperateDirection;

// The framework's vehicle state as the test drives it.
class DrivenVehicleState final : public IVehicleStateData {
public:
    rx::Publisher<PlanParkInInfo> planParkInInfo() const override { return planParkIn.publisher(); }
    rx::Publisher<PlanParkOutInfo> planParkOutInfo() const override { return planParkOut.publisher(); }
    rx::Publisher<PlanForwardBackwardInfo> planForwardBackwardInfo() const override { return planForwardBackward.publisher(); }
    rx::Publisher<OperateInfo> operateInfo() const override { return operate.publisher(); }
    rx::Publisher<ObstacleInfo> obstacleInfo() const override { return obstacle.publisher(); }

    rx::PassthroughSubject<PlanParkInInfo> planParkIn;
    rx::PassthroughSubject<PlanParkOutInfo> planParkOut;
    rx::PassthroughSubject<PlanForwardBackwardInfo> planForwardBackward;
    rx::PassthroughSubject<OperateInfo> operate;
    rx::PassthroughSubject<ObstacleInfo> obstacle;
};

OperateInfo report(OperateDirection direction, int64_t remain, OperateReq interrupt = HIDDEN, OperateReq finish = HIDDEN,
                   OperateReq directionSwitch = HIDDEN)
{
    return {direction, remain, interrupt, finish, directionSwitch};
}

class OperatingViewModelTest : public screen_testing::ScreenFrameworkTest {
protected:
    OperatingViewModelTest() { store->isInterrupted = false; }
    ~OperatingViewModelTest() override { store->isInterrupted = false; }

    // Shows the screen and forgets what the appearance published.
    void appear()
    {
        model->operatingWillAppear();
        actions.take();
        controls.take();
        base.takeTexts();
    }

    // The texts of `recorder` that start with one of `prefixes`.
    static Texts only(const Texts& texts, std::initializer_list<const char*> prefixes)
    {
        Texts kept;
        for (const auto& text : texts)
            for (const char* prefix : prefixes)
                if (text.rfind(prefix, 0) == 0)
                    kept.push_back(text);
        return kept;
    }

    Action::showEndHalfwayConfirmationPopup lastPopup() const
    {
        for (auto it = actions.values().rbegin(); it != actions.values().rend(); ++it)
            if (auto* popup = std::get_if<Action::showEndHalfwayConfirmationPopup>(&it->value))
                return *popup;
        ADD_FAILURE() << "no pop-up";
        return {};
    }

    std::shared_ptr<DrivenVehicleState> vehicle = std::make_shared<DrivenVehicleState>();
    std::shared_ptr<OperatingViewModel> model = make<OperatingViewModel>(vehicle, userOperations);
    TextRecorder<Action> actions{model->action()};
    TextRecorder<ControlAction> controls{model->controlAction()};
    TextRecorder<SonarAction> sonar{model->clearSonerDetectionAction()};
    screen_testing::ActionRecorder base{model->baseActionPublisher()};
};

TEST_F(OperatingViewModelTest, ProgressIsMeasuredAgainstTheDistanceAtTheLastReset)
{
    struct Step {
        const char* what;
        OperateInfo info;
        const char* progress;
    };
    const Step steps[]{
        {"the first report resets", report(FORWARD, 100), "setProgress(0, 100)"},
        {"same group, nearer", report(FORWARD, 40), "setProgress(60, 100)"},
        {"farther than the start", report(FORWARD, 120), "setProgress(0, 100)"},
        {"another forward direction", report(FORWARD_RIGHT, 30), "setProgress(70, 100)"},
        {"the other group resets", report(BACKWARD_LEFT, 80), "setProgress(0, 80)"},
        {"the end request appears", report(BACKWARD, 50, HIDDEN, ENABLE), "setProgress(0, 50)"},
        {"arrived", report(BACKWARD, 0, HIDDEN, ENABLE), "setProgress(50, 50)"},
        {"the end request goes at zero", report(BACKWARD, 0), "setProgress(0, 0)"},
        {"a zero denominator resets again", report(BACKWARD, 7), "setProgress(0, 7)"},
        {"the direction change appears", report(BACKWARD, 5, HIDDEN, HIDDEN, DISABLE), "setProgress(0, 5)"},
    };
    appear();
    for (const Step& step : steps) {
        vehicle->operate.send(step.info);
        EXPECT_EQ(controls.take(), Texts{step.progress}) << step.what;
    }
    // Each report ends with the direction and the distance in metres.
    EXPECT_EQ(actions.take().back(), "drive(4, 0.5)");
}

TEST_F(OperatingViewModelTest, TheDenominatorCarriesOverToTheNextAppearance)
{
    appear();
    vehicle->operate.send(report(FORWARD, 100));
    model->clearCancellables();
    appear();
    EXPECT_EQ(controls.take(), Texts{});
    vehicle->operate.send(report(FORWARD, 90));
    EXPECT_EQ(controls.take(), Texts{"setProgress(10, 100)"});
}

TEST_F(OperatingViewModelTest, ButtonsFollowTheVehiclesRequests)
{
    struct Case {
        OperateInfo info;
        Texts buttons;
    };
    const Case cases[]{
        {report(FORWARD, 10, HIDDEN, HIDDEN, HIDDEN),
         {"backwardButton(true, false)", "forwardButton(true, false)", "interrupt(true, true)", "endHalfway(true, true)"}},
        // Forward: only the button that changes to backward shows.
        {report(FORWARD_LEFT, 10, ENABLE, DISABLE, DISABLE),
         {"backwardButton(false, false)", "forwardButton(true, false)", "interrupt(false, true)", "endHalfway(false, false)"}},
        {report(BACKWARD_RIGHT, 10, DISABLE, ENABLE, ENABLE),
         {"backwardButton(true, true)", "forwardButton(false, true)", "interrupt(false, false)", "endHalfway(false, true)"}},
    };
    appear();
    for (const Case& c : cases) {
        vehicle->operate.send(c.info);
        EXPECT_EQ(only(actions.take(), {"backward", "forward", "interrupt", "endHalfway"}), c.buttons);
    }
}

TEST_F(OperatingViewModelTest, ChangingTheDirectionGroupHidesTheIndicator)
{
    appear();
    vehicle->operate.send(report(FORWARD_RIGHT, 10));
    base.takeTexts();
    vehicle->operate.send(report(FORWARD, 10));
    EXPECT_EQ(base.takeTexts(), Texts{});
    vehicle->operate.send(report(BACKWARD_LEFT, 10));
    EXPECT_EQ(base.takeTexts(), Texts{"hideIndicator"});
}

TEST_F(OperatingViewModelTest, AnInterruptionEndsWhenTheVehicleDisablesItsRequest)
{
    appear();
    vehicle->operate.send(report(FORWARD, 10, ENABLE));
    actions.take();
    controls.take();
    base.takeTexts();
    model->didRequestInterrupt();
    EXPECT_EQ(controls.take(), Texts{"setActive(false)"});
    EXPECT_EQ(base.takeTexts(), Texts{"setIndicator"});
    ASSERT_EQ(userOperations->operations.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<UserOperationKind::REQ_INTERRUPT_OPERATE>(userOperations->operations[0].value));
    EXPECT_TRUE(store->isInterrupted);

    struct Step {
        bool waitingResumeAfterOverride;
        bool interruptedAfter;
        Texts base;
    };
    // While the override pop-up's answer is pending the interruption stands.
    for (const Step& step : {Step{true, true, {}}, Step{false, false, {"hideIndicator"}}, Step{false, false, {}}}) {
        model->isWaitingResumeAfterOverride = step.waitingResumeAfterOverride;
        vehicle->operate.send(report(FORWARD, 10, DISABLE));
        EXPECT_EQ(store->isInterrupted, step.interruptedAfter);
        EXPECT_EQ(only(base.takeTexts(), {"hideIndicator"}), step.base);
        EXPECT_EQ(only(actions.take(), {"interrupt"}), Texts{"interrupt(false, false)"});
    }
}

TEST_F(OperatingViewModelTest, ReportsChangeNothingWhileTheStopConfirmationShows)
{
    appear();
    model->isShowStopConfirmation = true;
    vehicle->operate.send(report(BACKWARD, 10, ENABLE, ENABLE, ENABLE));
    vehicle->obstacle.send({{{ObstaclePosition::FRONT_LEFT, ObstacleDistance::SHORT}}, {MovesPosition::FRONT_LEFT}});
    EXPECT_EQ(actions.take(), Texts{});
    EXPECT_EQ(controls.take(), Texts{});
    EXPECT_EQ(sonar.take(), Texts{});

    model->isShowStopConfirmation = false;
    vehicle->obstacle.send({{{ObstaclePosition::FRONT_LEFT, ObstacleDistance::SHORT}}, {}});
    EXPECT_EQ(sonar.take(), (Texts{"obstacles(1)", "moving(false)"}));
}

TEST_F(OperatingViewModelTest, AppearingResetsTheControlsAndSubscribesOnce)
{
    defaults->setBool(rawValue(UserDefaultsKey::notShowPowerOffButtonHint), true);
    store->isInterrupted = true;
    model->operatingWillAppear();
    EXPECT_EQ(base.takeTexts(), (Texts{"hideIndicator", "setIndicator"}));
    EXPECT_EQ(controls.take(), (Texts{"setActive(true)", "setProgress(0, 0)"}));
    EXPECT_EQ(actions.take(), (Texts{"initView", "powerOffHint(true)"}));

    model->operatingWillAppear();
    actions.take();
    controls.take();
    vehicle->operate.send(report(FORWARD, 10));
    EXPECT_EQ(only(actions.take(), {"drive"}), Texts{"drive(1, 1)"});

    model->resetBaseAction();
    model->willDisappear();
    EXPECT_EQ(controls.take(), (Texts{"setProgress(0, 10)", "willDisappear", "setActive(false)"}));
}

TEST_F(OperatingViewModelTest, AnEndedSessionLetsGoOfTheHoldControl)
{
    appear();
    model->terminalSessionDidEnd();
    EXPECT_EQ(controls.take(), (Texts{"setActive(false)"}));
}

TEST_F(OperatingViewModelTest, TheEndHalfwayPopupAsksFirstAndGoesWhenTheRequestDisappears)
{
    appear();
    vehicle->operate.send(report(FORWARD, 100, ENABLE, ENABLE));
    actions.take();
    controls.take();

    model->didRequestEndHalfway();
    EXPECT_EQ(controls.take(), Texts{"setActive(false)"});
    EXPECT_EQ(actions.take(), Texts{"endHalfwayPopup(Exit, Cancel)"});
    EXPECT_EQ(model->presentedPopup(), IOperatingViewModel::PopupKind::endHalfwayConfirmation);

    vehicle->operate.send(report(FORWARD, 90, ENABLE, HIDDEN));
    EXPECT_EQ(only(actions.take(), {"dismiss"}), Texts{"dismiss"});
    EXPECT_EQ(controls.take(), Texts{"setProgress(0, 90)"});

    // Cancel shows the screen again: the control is active and shows 0 of 0.
    const auto popup = lastPopup();
    popup.noAction->handler()(*popup.noAction);
    EXPECT_EQ(controls.take(), (Texts{"setActive(true)", "setProgress(0, 0)"}));
    EXPECT_FALSE(model->presentedPopup());

    popup.yesAction->handler()(*popup.yesAction);
    EXPECT_TRUE(std::holds_alternative<UserOperationKind::REQ_FINISH_OPERATE>(userOperations->operations.back().value));
    EXPECT_EQ(model->requestingThing, OperatingViewModel::RequestThing::endHalfway);
}

TEST_F(OperatingViewModelTest, TheHintComesBackTenSecondsAfterTheLastRequest)
{
    appear();
    model->startShowHintTimer();
    time.advance(5);
    model->startShowHintTimer();
    time.advance(9.9);
    EXPECT_EQ(controls.take(), Texts{});
    time.advance(0.1);
    EXPECT_EQ(controls.take(), Texts{"playHintAnimation"});
    EXPECT_FALSE(model->showHintTimer());
}

} // namespace
} // namespace operating_testing
