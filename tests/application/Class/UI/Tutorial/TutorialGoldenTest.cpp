#include "application/ScreenFramework/ApplicationTest.h"

#include "ui/GoldenImage.h"
#include "ui/LayerRenderer.h"

namespace screen_testing {
namespace {

// The tutorial screens as a person sees them on a 390 x 844 phone, each the first screen of its stack.
class TutorialGoldenTest : public ApplicationTest {
protected:
    QImage shown(const char* storyboard)
    {
        auto screen = ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard);
        stack = std::make_shared<BaseUINavigationController>(screen);
        TolvaneIntegrationAppHelper::shared().navigationController = stack;
        window->setRootViewController(stack);
        window->makeKeyAndVisible();
        settle();
        return ui::LayerRenderer(time.now()).renderView(*window, 1);
    }
};

TEST_F(TutorialGoldenTest, TutorialScreensLookAsStored)
{
    const struct {
        const char* storyboard;
        const char* golden;
    } screens[] = {
        {"FirstTutorialFlow", "tutorial-first-run-page0"},
        {"TutorialMenu", "tutorial-menu"},
        {"TutorialConnectionFlow", "tutorial-connection"},
        {"TutorialParkInFlow", "tutorial-park-in"},
        {"TutorialParkOutFlow", "tutorial-park-out"},
        {"TutorialMovieFlow", "tutorial-movie"},
    };
    for (const auto& s : screens)
        EXPECT_TRUE(uitest::matchesGolden(shown(s.storyboard), s.golden)) << s.storyboard;
}

} // namespace
} // namespace screen_testing
