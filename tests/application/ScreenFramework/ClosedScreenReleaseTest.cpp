#include "ApplicationTest.h"

#include "Class/UI/Base/View/TolvaneBaseViewController.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;

// A screen that is closed lets its view model go, with the view model's timers and the answers of
// its alerts, however long the framework it listened to lives on.
class ClosedScreenReleaseTest : public ApplicationTest {
protected:
    ClosedScreenReleaseTest() { showStack(); }

    std::weak_ptr<IBaseViewModel> push(const char* storyboard)
    {
        stack->pushViewController(ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard), false);
        settle();
        auto* screen = dynamic_cast<TolvaneBaseViewController*>(stack->topViewController());
        EXPECT_NE(screen, nullptr);
        return screen ? screen->baseViewModel : nullptr;
    }
    void closeEveryScreenButTheFirst()
    {
        stack->dismiss(false);
        stack->popToRootViewController(false);
        settle();
    }
};

TEST_F(ClosedScreenReleaseTest, RequestIdScreenLetsItsViewModelGoAfterItsTimeOutAlert)
{
    auto viewModel = push("RequestIdWaiting");
    ASSERT_FALSE(viewModel.expired());
    publish(SENSING, CauseId::DEF); // the screen starts its 30 s wait
    time.advance(31.0);             // and shows its alert with two answers
    settle();

    closeEveryScreenButTheFirst();
    EXPECT_TRUE(viewModel.expired());
}

} // namespace
} // namespace screen_testing
