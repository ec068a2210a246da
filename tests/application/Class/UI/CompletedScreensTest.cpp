#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/UI/ParkInCompleted/View/ParkInCompletedViewController.h"
#include "Class/UI/ParkInCompleted/ViewModel/ParkInCompletedViewModel.h"
#include "Class/UI/ParkOutCompleted/View/ParkOutCompletedViewController.h"
#include "Class/UI/ParkOutCompleted/ViewModel/ParkOutCompletedViewModel.h"

#include "ui/ActivityIndicatorView.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/GoldenImage.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Codes = std::vector<EventCode>;
using Texts = std::vector<std::string>;

// What a park-in completed view model told its screen, as text.
std::string describe(const ParkInCompletedAction& action)
{
    if (const auto* image = std::get_if<ParkInCompletedAction::setCarImage>(&action.value))
        return "setCarImage(" + image->carImagePath.value_or("nil") + ")";
    if (const auto* hidden = std::get_if<ParkInCompletedAction::setIsHiddenActionLabel>(&action.value))
        return hidden->isHidden ? "hideHazardNote" : "showHazardNote";
    if (std::holds_alternative<ParkInCompletedAction::displayCompletedView>(action.value))
        return "displayCompletedView";
    return "none";
}

class ParkInCompletedTest : public ScreenFrameworkTest {
protected:
    void load()
    {
        store->setDelegate(viewModel);
        subscription = viewModel->action().dropFirst().sink([this](const ParkInCompletedAction& action) { actions.push_back(describe(action)); });
        viewModel->viewDidLoad();
    }

    std::shared_ptr<ParkInCompletedViewModel> viewModel = make<ParkInCompletedViewModel>();
    Texts actions;
    rx::Cancellable subscription;
};

TEST_F(ParkInCompletedTest, WithoutALinkTheRunFinishesAtOnceWithTheNormalEnd)
{
    load();
    EXPECT_EQ(actions, (Texts{"setCarImage()", "displayCompletedView"}));
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001});
    EXPECT_FALSE(store->hasCloseTimer());
}

TEST_F(ParkInCompletedTest, WithTheLinkUpItFinishesWhenTheVehicleEndsTheSession)
{
    connect();
    load();
    EXPECT_EQ(actions, Texts{"setCarImage()"});
    EXPECT_TRUE(store->hasCloseTimer());
    time.advance(3.0);
    unit->hangUp();
    time.advance(0.1);
    EXPECT_EQ(actions, (Texts{"setCarImage()", "displayCompletedView"}));
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001});
    EXPECT_TRUE(logs.contains("Detect Disconnect"));
    time.advance(10.0);
    EXPECT_TRUE(router->calls.empty()) << "no close time-out after the session ended";
}

TEST_F(ParkInCompletedTest, ALinkStillUpAfterTenSecondsShowsTheCloseTimeOutWarning)
{
    connect();
    load();
    time.advance(9.9);
    EXPECT_TRUE(router->calls.empty());
    time.advance(0.2);
    EXPECT_EQ(router->calls, Texts{"showWarn(timedOutCloseTerminal)"});
    EXPECT_EQ(actions, Texts{"setCarImage()"}) << "never the finished state";
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001});
    EXPECT_TRUE(logs.contains("Detect Closed Timeout"));
}

TEST_F(ParkInCompletedTest, TheHazardNoteFollowsTheVehiclesCompletionDisplay)
{
    load();
    actions.clear();
    for (auto id : {COMPLETE_PARK_IN_FORGET_HAZARD, OPERATE, COMPLETE_PARK_IN})
        displayData->subject.send(id);
    EXPECT_EQ(actions, (Texts{"showHazardNote", "hideHazardNote"}));
    EXPECT_FALSE(viewModel->isForgetHazard);
}

TEST_F(ParkInCompletedTest, LeavingForAWarningReleasesTheLinkFirst)
{
    connect();
    load();
    viewModel->transitionToWarn(false, CauseId::BT_LOSS);
    EXPECT_FALSE(store->hasCloseTimer());
    EXPECT_TRUE(logs.contains("releaseCloseTimer has been executed."));
    time.advance(0.5);
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(router->calls.back(), "showWarn(BT_LOSS)");
}

class ParkOutCompletedTest : public ScreenFrameworkTest {
protected:
    std::shared_ptr<ParkOutCompletedViewModel> viewModel = make<ParkOutCompletedViewModel>();
    ActionRecorder recorder{viewModel->baseActionPublisher()};
};

TEST_F(ParkOutCompletedTest, TheLinkClosesAfterFiftyMillisecondsWithTheNormalEnd)
{
    connect();
    viewModel->viewDidLoad();
    time.advance(0.04);
    EXPECT_FALSE(logs.contains("releaseCloseTimer has been executed."));
    EXPECT_TRUE(EventStack::shared().stack().empty());
    time.advance(0.02);
    EXPECT_TRUE(logs.contains("releaseCloseTimer has been executed."));
    time.advance(0.5);
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001});
}

TEST_F(ParkOutCompletedTest, AnotherScreenRequiredBeforeTheCloseLeavesTheLinkToIt)
{
    struct Case {
        RequiredDisplayId displayId;
        CauseId cause;
        bool closes;
    };
    const Case cases[] = {{COMPLETE_PARK_OUT, CauseId::DEF, true}, {STOP, CauseId::BT_LOSS, false}};
    for (const auto& c : cases) {
        EventStack::shared().setStack({});
        connect();
        auto screenModel = make<ParkOutCompletedViewModel>();
        screenModel->viewDidLoad();
        time.advance(0.01);
        screenModel->transition(c.displayId, c.cause);
        time.advance(0.5);
        EXPECT_EQ(!store->isConnected(), c.closes) << caseName(c.displayId);
        EXPECT_EQ(EventStack::shared().stack() == Codes{EventCode::N001}, c.closes) << caseName(c.displayId);
        store->closeTerminal();
        time.advance(0.5);
        replaceUnit();
    }
}

TEST_F(ParkOutCompletedTest, ExitAfterTheCloseKeepsTheNormalEndAndStaysWithoutAHostOrASpinner)
{
    viewModel->viewDidLoad();
    time.advance(0.1);
    viewModel->exit();
    EXPECT_EQ(recorder.texts(), Texts{"setIndicator"});
    time.advance(0.1);
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001}) << "the leaving ranks below the normal end";
    EXPECT_TRUE(sdkModel->calls.empty()) << "no host to hand back to: the cycle does not end";
    EXPECT_EQ(recorder.texts(), (Texts{"setIndicator", "hideIndicator"})) << "nothing follows: no spinner is left turning";
}

TEST_F(ParkOutCompletedTest, ExitWithAHostDismissesItAndEndsTheCycle)
{
    auto host = std::make_shared<ui::ViewController>();
    TolvaneIntegrationAppHelper::shared().superViewController = host;
    viewModel->viewDidLoad();
    viewModel->exit();
    time.advance(1.0);
    EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"});
    TolvaneIntegrationAppHelper::shared().superViewController.reset();
}

// The two screens as the router shows them, in the window.
class CompletedScreenTest : public ApplicationTest {
protected:
    CompletedScreenTest()
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const auto& event) { statistics.push_back(event.at("key")); };
        showStack();
    }
    ~CompletedScreenTest() override { TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr; }

    template <class Screen>
    std::shared_ptr<Screen> shown()
    {
        settle();
        return std::dynamic_pointer_cast<Screen>(stack->viewControllers().back());
    }

    QImage picture() const { return ui::LayerRenderer(time.now()).renderView(*window, 1); }

    Texts statistics;
};

TEST_F(CompletedScreenTest, ParkInFinishedShowsTheTitleAndTheExitButton)
{
    transitionManager->showParkInCompleted();
    auto screen = shown<ParkInCompletedViewController>();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->titleLabel->text(), "Tolvane finished");
    EXPECT_FALSE(screen->exitButton->isHidden());
    EXPECT_FALSE(screen->processIndicatorView->isAnimating());
    EXPECT_TRUE(screen->actionLabel->isHidden());
    ASSERT_TRUE(screen->myCarImageView->image().has_value()) << "the vehicle icon stands in for a car without a picture";
    // The icon drawn as large as its 240 x 180 place allows, at three pixels per point.
    EXPECT_EQ(screen->myCarImageView->image()->pixels().size(), QSize(540, 540));
    EXPECT_TRUE(uitest::matchesGolden(picture(), "park-in-completed"));
    screen->exitButton->tap();
    EXPECT_EQ(statistics, Texts{"tirmalunesko/bocheyiwancheng/queding"});
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001});
}

TEST_F(CompletedScreenTest, ParkInWaitsWithASpinnerWhileTheLinkIsUp)
{
    connect();
    transitionManager->showParkInCompleted();
    auto screen = shown<ParkInCompletedViewController>();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->titleLabel->text(), "Exiting... \nPlease wait");
    EXPECT_TRUE(screen->processIndicatorView->isAnimating());
    EXPECT_TRUE(screen->exitButton->isHidden());
}

TEST_F(CompletedScreenTest, ParkOutShowsTheCarAndExitsThroughItsViewModel)
{
    transitionManager->showParkOutCompleted();
    auto screen = shown<ParkOutCompletedViewController>();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->titleLabel->text(), "Tolvane finished");
    EXPECT_EQ(screen->exitButton->currentTitle(), "Exit");
    ASSERT_TRUE(screen->myCarImageView->image().has_value());
    EXPECT_EQ(screen->myCarImageView->image()->pixels().size(), QSize(540, 540));
    EXPECT_TRUE(uitest::matchesGolden(picture(), "park-out-completed"));
    screen->exitButton->tap();
    ASSERT_TRUE(screen->indicator);
    settle();
    EXPECT_EQ(statistics, Texts{"tirmalunesko/bocheyiwancheng/queding"});
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::N001});
    time.advance(1.0);
    EXPECT_FALSE(screen->indicator) << "stand-alone the screen stays without a spinner over its title";
    EXPECT_EQ(shown<ParkOutCompletedViewController>(), screen);
}

} // namespace
} // namespace screen_testing
