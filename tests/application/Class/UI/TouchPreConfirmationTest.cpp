#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/UI/Operating/View/CircularProgressBarView.h"
#include "Class/UI/Operating/View/ToleranceFrame.h"
#include "Class/UI/Operating/View/TouchDetectorView.h"
#include "Class/UI/Base/View/CustomAlertController.h"
#include "Class/UI/TouchPreConfirmation/View/ScratchElementView.h"
#include "Class/UI/TouchPreConfirmation/View/ScratchPicture.h"
#include "Class/UI/TouchPreConfirmation/View/TouchPreConfirmationViewController.h"
#include "Class/UI/TouchPreConfirmation/ViewModel/TouchPreConfirmationViewModel.h"

#include "ui/AssetCatalog.h"
#include "ui/GoldenImage.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/Touch.h"
#include "ui/TouchDriver.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Action = TouchPreConfirmationAction;
using Texts = std::vector<std::string>;
using Codes = std::vector<EventCode>;

// The framework's slider with a target area chosen by the test.
class SizedSlideViewModel final : public ISlideViewModel {
public:
    explicit SizedSlideViewModel(ui::Rect operate) : operate(operate) {}
    ui::Rect operateFrame() const override { return operate; }
    ui::Rect startFrame() const override { return {operate.minX(), operate.maxY(), operate.width(), operate.height()}; }
    void onTap(bool) override {}
    ui::Rect operate;
};

// The view model over a touch detector that covers the target area at the window's origin.
class TouchTestViewModelTest : public ScreenFrameworkTest {
protected:
    ~TouchTestViewModelTest() override { ToleranceFrame::set({}); }

    void bindOver(ui::Rect operate)
    {
        slide->operate = operate;
        detector = std::make_shared<TouchDetectorView>(operate);
        window->addSubview(detector);
        viewModel->bind(*detector);
        viewModel->restart();
    }

    // One touch callback with a finger at each point (window coordinates), the first one changing.
    void touch(TouchEventType type, std::vector<ui::Point> fingers)
    {
        ui::TouchSet all;
        for (const auto& finger : fingers)
            all.push_back(std::make_shared<ui::Touch>(*window, finger, 0.0));
        detector->touchEvent.send(TouchEvent{type, {all.front()}, ui::Event(ui::EventType::touches, 0.0, all)});
    }

    float progress() const { return viewModel->progressSubject.value(); }
    Action action() const { return viewModel->actionSubject.value(); }

    std::shared_ptr<ui::Window> window = std::make_shared<ui::Window>(ui::Rect{0, 0, 390, 844});
    std::shared_ptr<SizedSlideViewModel> slide = std::make_shared<SizedSlideViewModel>(ui::Rect{});
    std::shared_ptr<TouchPreConfirmationViewModel> viewModel = make<TouchPreConfirmationViewModel>(displayModel, slide);
    std::shared_ptr<TouchDetectorView> detector;
};

TEST_F(TouchTestViewModelTest, OnlyAMovingFingerScratchesAndExactlyEightyPercentDoesNotPass)
{
    bindOver({0, 0, 20, 4});
    ASSERT_EQ(viewModel->scratchElements.size(), 5u);
    EXPECT_EQ(viewModel->scratchElements[4]->point, (ui::Point{16, 0}));
    touch(TouchEventType::began, {{-40, 0}});
    touch(TouchEventType::ended, {{-40, 0}});
    EXPECT_FLOAT_EQ(progress(), 0.0f) << "touching down and lifting passes nothing";
    touch(TouchEventType::moved, {{-40, 0}});
    EXPECT_FLOAT_EQ(progress(), 0.25f) << "only the first corner is within 40 points, inclusive";
    touch(TouchEventType::moved, {{-28, 0}});
    EXPECT_FLOAT_EQ(progress(), 1.0f);
    EXPECT_EQ(action(), Action::reset) << "4 of 5 is exactly 80 percent: no pass";
    viewModel->restartCount() = 2;
    touch(TouchEventType::moved, {{56, 0}});
    EXPECT_EQ(action(), Action::checkComplete);
    EXPECT_EQ(viewModel->restartCount(), 0);
    ASSERT_TRUE(viewModel->nextViewTimer());
    EXPECT_TRUE(viewModel->nextViewTimer()->isValid());
}

TEST_F(TouchTestViewModelTest, TheTestPassesOnTheCellThatTakesItOverEightyPercent)
{
    struct Case {
        ui::Rect operate;
        size_t cells;
        size_t passingCell;
    };
    const Case cases[] = {{{0, 0, 120, 120}, 900, 721}, {{0, 0, 300, 60}, 1125, 901}};
    for (const auto& c : cases) {
        bindOver(c.operate);
        ASSERT_EQ(viewModel->scratchElements.size(), c.cells);
        for (size_t i = 0; i + 1 < c.passingCell; ++i)
            viewModel->scratchElements[i]->state = ScratchElementInfo::State::passed;
        touch(TouchEventType::moved, {{600, 800}});
        EXPECT_EQ(action(), Action::reset) << c.cells;
        viewModel->scratchElements[c.passingCell - 1]->state = ScratchElementInfo::State::passed;
        touch(TouchEventType::moved, {{600, 800}});
        EXPECT_EQ(action(), Action::checkComplete) << c.cells;
        detector->removeFromSuperview();
    }
}

TEST_F(TouchTestViewModelTest, AnAreaSmallerThanACellShowsNoProgressAndNeverPasses)
{
    bindOver({0, 0, 3, 60});
    EXPECT_TRUE(viewModel->scratchElements.empty());
    EXPECT_TRUE(logs.contains("The target area is smaller than one cell"));
    touch(TouchEventType::moved, {{1, 1}});
    EXPECT_FLOAT_EQ(progress(), 0.0f);
    EXPECT_EQ(action(), Action::reset);
}

TEST_F(TouchTestViewModelTest, ASecondFingerFailsTheTestUnlessItRestsInTheToleranceArea)
{
    bindOver({0, 0, 120, 120});
    ToleranceFrame::set({200, 700, 100, 100});
    touch(TouchEventType::moved, {{10, 10}, {250, 750}});
    EXPECT_EQ(action(), Action::reset) << "the finger in the tolerance area does not count";
    EXPECT_GT(progress(), 0.0f);
    touch(TouchEventType::moved, {{10, 10}, {150, 750}});
    EXPECT_EQ(action(), Action::multiTap);
    const float before = progress();
    touch(TouchEventType::moved, {{100, 100}});
    EXPECT_FLOAT_EQ(progress(), before) << "touches are ignored after a failure";
    viewModel->restart();
    for (const auto& cell : viewModel->scratchElements)
        EXPECT_EQ(cell->state, ScratchElementInfo::State::initial);
}

TEST_F(TouchTestViewModelTest, AfterAPassOnlyAStartRequestWithinTheSecondLeadsToActivation)
{
    struct Case {
        std::optional<RequiredDisplayId> before;
        std::optional<RequiredDisplayId> within;
        const char* shown;
    };
    const Case cases[] = {
        {std::nullopt, START_PARK_IN, "showParkInActivation"},
        {std::nullopt, START_PARK_OUT, "showParkOutActivation"},
        {START_PARK_IN, std::nullopt, "showConnecting"},
        {std::nullopt, SENSING, "showConnecting"},
    };
    for (const auto& c : cases) {
        router->calls.clear();
        bindOver({0, 0, 8, 4});
        if (c.before)
            displayData->subject.send(*c.before);
        touch(TouchEventType::moved, {{4, 0}});
        ASSERT_EQ(action(), Action::checkComplete);
        if (c.within)
            displayData->subject.send(*c.within);
        time.advance(0.9);
        EXPECT_TRUE(router->calls.empty());
        time.advance(0.2);
        EXPECT_EQ(router->calls, Texts{c.shown});
        displayData->subject.send(DEF);
        detector->removeFromSuperview();
    }
}

TEST_F(TouchTestViewModelTest, CancellingRecordsTheUsersLeavingAndHandsBackToTheHost)
{
    auto host = std::make_shared<ui::ViewController>();
    TolvaneIntegrationAppHelper::shared().superViewController = host;
    viewModel->restartCount() = 2;
    viewModel->cancelTouchTest();
    time.advance(1.0);
    EXPECT_EQ(viewModel->restartCount(), 0);
    EXPECT_EQ(action(), Action::cancelApp);
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::E003});
    EXPECT_EQ(sdkModel->calls, Texts{"requestFinishSdk"});
    TolvaneIntegrationAppHelper::shared().superViewController.reset();
}

TEST(ScratchPictureTest, TheDrawnValueChoosesThePicture)
{
    const std::pair<int, const char*> cases[] = {{0, "touchPreConfirmation_normal"}, {79, "touchPreConfirmation_normal"},
                                                 {80, "touchPreConfirmation_gin"},   {94, "touchPreConfirmation_gin"},
                                                 {95, "touchPreConfirmation_kin"},   {99, "touchPreConfirmation_kin"}};
    for (const auto& [drawn, asset] : cases)
        EXPECT_EQ(ScratchPicture::assetName(drawn), asset) << drawn;
}

// The screen as the router shows it, over the target area of a 390 x 844 phone (135, 570, 120, 120).
class TouchTestScreenTest : public ApplicationTest {
protected:
    TouchTestScreenTest()
    {
        ScratchPicture::setRandomSource([] { return 95; });
        showStack();
        transitionManager->showTouchPreConfirmation();
        settle();
        screen = std::dynamic_pointer_cast<TouchPreConfirmationViewController>(stack->viewControllers().back());
        viewModel = std::dynamic_pointer_cast<TouchPreConfirmationViewModel>(screen->viewModel);
    }
    ~TouchTestScreenTest() override { ScratchPicture::setRandomSource(nullptr); }

    void twoFingers()
    {
        ui::TouchDriver fingers(*window);
        auto first = fingers.begin({150, 600});
        auto second = fingers.begin({200, 650});
        fingers.move(first, {160, 610});
        fingers.end(first);
        fingers.end(second);
        settle();
    }

    CustomAlertController* popup() const { return dynamic_cast<CustomAlertController*>(screen->presentedViewController()); }

    std::shared_ptr<TouchPreConfirmationViewController> screen;
    std::shared_ptr<TouchPreConfirmationViewModel> viewModel;
};

TEST_F(TouchTestScreenTest, AtRestTheGridCoversTheDrawnPictureOverTheTargetArea)
{
    ASSERT_TRUE(screen && viewModel);
    EXPECT_EQ(screen->scratchElements.size(), 900u);
    EXPECT_EQ(viewModel->scratchElements.size(), 900u);
    EXPECT_EQ(screen->scratchImage->image()->pixels(), ui::AssetCatalog::shared().image("touchPreConfirmation_kin")->pixels());
    EXPECT_EQ(screen->scratchImage->convert(screen->scratchImage->bounds(), nullptr), (ui::Rect{135, 570, 117, 117}));
    EXPECT_FALSE(screen->InfoLabel->isHidden());
    EXPECT_TRUE(screen->checkImage->isHidden());
    EXPECT_TRUE(uitest::matchesGolden(ui::LayerRenderer(time.now()).renderView(*window, 1), "touch-test-at-rest"));
}

TEST_F(TouchTestScreenTest, SwipingTheAreaPassesWithTheCheckMarkAndAFullRing)
{
    ui::TouchDriver finger(*window);
    auto touch = finger.begin({140, 575});
    for (double y = 575; y <= 690; y += 20)
        for (double x = 140; x <= 250; x += 20)
            finger.move(touch, {x, y});
    finger.end(touch);
    EXPECT_EQ(viewModel->actionSubject.value(), TouchPreConfirmationAction::checkComplete);
    EXPECT_TRUE(screen->InfoLabel->isHidden());
    EXPECT_FALSE(screen->checkImage->isHidden());
    EXPECT_TRUE(screen->guidanceLabel->isHidden());
    EXPECT_DOUBLE_EQ(screen->circleProgressView->value, 1.0) << "progress above the mark shows a full ring";
    screen->tapNavigationButtonSetting();
    time.advance(2.0);
    EXPECT_FALSE(viewModel->nextViewTimer()->isValid()) << "opening the settings drops the move to the next screen";
}

TEST_F(TouchTestScreenTest, TheThirdMultiTouchEndsTheTestWithoutAPopUp)
{
    twoFingers();
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->title(), "Tolvane suspended.\nMultiple touches detected on the screen.\nPlease only use one finger to operate.");
    EXPECT_EQ(viewModel->restartCount(), 1);
    popup()->dismiss(false);
    settle();
    viewModel->restart();
    twoFingers();
    EXPECT_EQ(viewModel->restartCount(), 2);
    ASSERT_NE(popup(), nullptr);
    popup()->dismiss(false);
    settle();
    viewModel->restart();
    twoFingers();
    EXPECT_EQ(popup(), nullptr);
    EXPECT_EQ(viewModel->restartCount(), 0);
    EXPECT_EQ(EventStack::shared().stack(), Codes{EventCode::E003});
}

} // namespace
} // namespace screen_testing
