#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/Model/CarRecordStore.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/Model/UserDefaultsValues.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/Operating/View/Slider/SliderControlView.h"
#include "Class/UI/Tutorial/View/FirstTutorialFlowViewController.h"
#include "Class/UI/Tutorial/View/FirstTutorialPageViewControllers.h"
#include "Class/UI/Tutorial/View/TutorialStepIndicator.h"
#include "Class/UI/Tutorial/ViewModel/FirstTutorialFlowViewModel.h"

#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/ScrollView.h"

#include <map>
#include <string>
#include <vector>

namespace screen_testing {
namespace {

constexpr const char* SHOW_FLAG = "TolvaneControl_shouldShowFirstTutorial";
constexpr const char* SKIP_FLAG = "TolvaneControl_shouldShowFirstTutorialSkipButton";

CarRecord car(const std::string& id)
{
    return {.CarID = id, .CarImagePath = "", .CarName = "Car " + id, .CreateDate = "", .UpdateDate = ""};
}

// The host's controller that presented the feature; its dismissal completes at once.
class HostController final : public ui::ViewController {
public:
    void dismiss(bool, Completion completion) override
    {
        ++dismissals;
        if (completion)
            completion();
    }
    int dismissals = 0;
};

class FirstTutorialFlowTest : public ApplicationTest {
protected:
    FirstTutorialFlowTest()
    {
        // A store made by an earlier test reads another test's settings file.
        CarRecordStore::destroyShared();
        UserDefaultsValues::setShouldShowFirstTutorial(true);
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [this](const std::map<std::string, std::string>& event) {
            statistics.push_back(event.at("key"));
        };
    }
    ~FirstTutorialFlowTest() override
    {
        TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
        TolvaneIntegrationAppHelper::shared().superViewController = nullptr;
        CarRecordStore::destroyShared();
    }

    FirstTutorialFlowViewController& shownTutorial()
    {
        auto* tutorial = dynamic_cast<FirstTutorialFlowViewController*>(stack->topViewController());
        EXPECT_NE(tutorial, nullptr);
        return *tutorial;
    }

    static void swipeTo(FirstTutorialFlowViewController& tutorial, int page)
    {
        ui::ScrollView& carousel = tutorial.carousel();
        carousel.setContentOffset({carousel.bounds().width() * page, 0});
    }

    static bool flag(const char* key) { return foundation::UserDefaults::standard()->boolean(key); }

    std::vector<std::string> statistics;
};

TEST_F(FirstTutorialFlowTest, PageControlsFollowThePageOnScreen)
{
    showStack();
    transitionManager->showFirstTutorialFlowFromSetting();
    settle();
    FirstTutorialFlowViewController& tutorial = shownTutorial();
    EXPECT_EQ(tutorial.numberOfPages(), 7);
    EXPECT_EQ(tutorial.startButton->currentTitle(), "Start Tolvane");
    EXPECT_EQ(tutorial.skipButton->currentTitle(), "Skip");
    EXPECT_TRUE(tutorial.navigationItem().rightBarButtonItems().empty()) << "no settings button on the first-run tutorial";

    const struct {
        int page;
        bool startShown;
        bool indicatorShown;
        bool leaveShown;
    } cases[] = {
        {0, false, true, true}, {1, false, true, false}, {3, false, true, false}, {5, false, true, false},
        {6, true, false, true}, {5, false, true, false}, {0, false, true, true},
    };
    int shown = 0;
    for (const auto& c : cases) {
        while (shown != c.page) {
            shown += c.page > shown ? 1 : -1;
            swipeTo(tutorial, shown);
        }
        EXPECT_EQ(!tutorial.startButton->isHidden(), c.startShown) << c.page;
        EXPECT_TRUE(tutorial.skipButton->isHidden()) << c.page;
        EXPECT_EQ(!tutorial.stepIndicator().isHidden(), c.indicatorShown) << c.page;
        EXPECT_EQ(!tutorial.navigationItem().leftBarButtonItems().empty(), c.leaveShown) << c.page;
        EXPECT_EQ(tutorial.stepIndicator().currentPageNum(), c.page);
    }
}

ui::Rect onScreen(const ui::View& view)
{
    return view.convert(view.bounds(), nullptr);
}

bool encloses(const ui::Rect& outer, const ui::Rect& inner)
{
    return inner.minX() >= outer.minX() && inner.maxX() <= outer.maxX() && inner.minY() >= outer.minY() && inner.maxY() <= outer.maxY();
}

TEST_F(FirstTutorialFlowTest, TheMovingPageShowsItsSliderAtRestInItsPictureAreaAboveItsTexts)
{
    showStack();
    transitionManager->showFirstTutorialFlowFromSetting();
    settle();
    FirstTutorialFlowViewController& tutorial = shownTutorial();
    for (int page = 1; page <= 5; ++page)
        swipeTo(tutorial, page);
    settle();
    auto page = std::dynamic_pointer_cast<FirstTutorialControllingViewController>(tutorial.pageControllers[5]);
    ASSERT_TRUE(page);
    const SliderControlView& slider = *page->sliderControl;
    ASSERT_TRUE(slider.superview());

    const ui::Rect area = onScreen(*slider.superview());
    const ui::Rect knob = onScreen(*slider.outlets().slideButton);
    const ui::Rect target = onScreen(*slider.outlets().holdButton);
    EXPECT_TRUE(encloses(area, knob)) << "the knob lies inside the picture area";
    EXPECT_TRUE(encloses(area, target)) << "the target lies inside the picture area";
    EXPECT_GT(knob.midY(), target.maxY()) << "the knob rests below the target";
    EXPECT_LE(area.maxY(), onScreen(*page->firstTutorialControllingTitle).minY()) << "the picture area is above the heading";
    EXPECT_EQ(page->firstTutorialControllingTitle->text(), std::optional<std::string>("Moving the vehicle"));
    EXPECT_EQ(page->firstTutorialControllingSupplementation->text(), std::optional<std::string>("Release your finger and the vehicle stops at once."));

    const ui::Label& guidance = *slider.outlets().guidanceLabel;
    for (const auto& label : {page->firstTutorialControllingTitle, page->firstTutorialControllingDescription,
                              page->firstTutorialControllingSupplementation})
        EXPECT_TRUE(guidance.isHidden() || !onScreen(guidance).intersects(onScreen(*label))) << "the slider's guidance covers the page's texts";
}

TEST_F(FirstTutorialFlowTest, StartEndsTheTutorialForGoodAndLeadsOnByTheNumberOfCars)
{
    const struct {
        std::vector<CarRecord> cars;
        bool stored;
        std::vector<std::string> route;
    } cases[] = {
        {{}, false, {"showFirstRegistration"}},
        {{car("A"), car("B")}, true, {"showConnectionConfirmation"}},
    };
    for (const auto& c : cases) {
        if (c.stored)
            CarRecordStore::shared().saveCarRecords(c.cars);
        auto viewModel = make<FirstTutorialFlowViewModel>();
        router->calls.clear();
        statistics.clear();
        viewModel->onTapStartButton();
        EXPECT_EQ(router->calls, c.route);
        EXPECT_EQ(statistics, (std::vector<std::string>{"tirmalunesko/caozuozhinan/kaishitiyan"}));
        EXPECT_FALSE(flag(SHOW_FLAG));
        EXPECT_FALSE(flag(SKIP_FLAG));
        UserDefaultsValues::setShouldShowFirstTutorial(true);
        foundation::UserDefaults::standard()->removeObject(SHOW_FLAG);
        foundation::UserDefaults::standard()->removeObject(SKIP_FLAG);
    }
}

TEST_F(FirstTutorialFlowTest, StartWithoutAHostStillClearsTheFlagsAndSkipOnlyLeadsOn)
{
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = nullptr;
    auto viewModel = make<FirstTutorialFlowViewModel>();
    viewModel->onTapStartButton();
    EXPECT_FALSE(flag(SHOW_FLAG));

    UserDefaultsValues::setShouldShowFirstTutorial(true);
    foundation::UserDefaults::standard()->removeObject(SHOW_FLAG);
    router->calls.clear();
    viewModel->showScreenAfterTutorial();
    EXPECT_EQ(router->calls, (std::vector<std::string>{"showFirstRegistration"}));
    EXPECT_TRUE(flag(SHOW_FLAG)) << "skipping keeps the tutorial for the next start";
    EXPECT_TRUE(statistics.empty());
}

TEST_F(FirstTutorialFlowTest, TheStartButtonOnScreenOpensTheFirstRegistrationAboveTheTutorialOnBothRoads)
{
    showStack();
    for (const bool fromSettings : {false, true}) {
        if (fromSettings)
            transitionManager->showFirstTutorialFlowFromSetting();
        else
            transitionManager->showFirstTutorialFlow();
        settle();
        FirstTutorialFlowViewController& tutorial = shownTutorial();
        EXPECT_EQ(tutorial.isFromSetting, fromSettings);
        for (int page = 1; page <= 6; ++page)
            swipeTo(tutorial, page);
        displayModel->calls.clear();
        tutorial.startButton->tap();
        settle();
        EXPECT_EQ(stack->topViewController()->navigationController(), stack.get());
        EXPECT_EQ(stack->viewControllers()[stack->viewControllers().size() - 2].get(), &tutorial) << "the tutorial stays under it";
        EXPECT_EQ(transitionManager->currentDisplay(), DisplayType::firstRegistration);
        // Kept as written: the settings road reports nothing more than the start road.
        EXPECT_EQ(displayModel->calls, (std::vector<std::string>{"display:DEF"})) << fromSettings;
        EXPECT_FALSE(flag(SHOW_FLAG));
        transitionManager->popToRootViewController();
        settle();
    }
}

TEST_F(FirstTutorialFlowTest, LeaveReturnsToTheSettingsOrLeavesTheFeatureThroughTheHost)
{
    showStack();
    transitionManager->showFirstTutorialFlowFromSetting();
    settle();
    shownTutorial().tapNavigationButtonLeave();
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 1u) << "back where the settings opened it";
    EXPECT_TRUE(flag(SHOW_FLAG)) << "flags untouched";

    transitionManager->showFirstTutorialFlow();
    settle();
    shownTutorial().tapNavigationButtonLeave();
    settle();
    EXPECT_EQ(stack->viewControllers().size(), 2u) << "the stand-alone program stays on the tutorial";
    EXPECT_TRUE(sdkModel->calls.empty());

    auto host = std::make_shared<HostController>();
    TolvaneIntegrationAppHelper::shared().superViewController = host;
    shownTutorial().tapNavigationButtonLeave();
    EXPECT_EQ(host->dismissals, 1);
    EXPECT_EQ(sdkModel->calls, (std::vector<std::string>{"requestFinishSdk"})) << "the feature's exit cycle ran";
}

} // namespace
} // namespace screen_testing
