#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/Model/UserDefaultsKey.h"
#include "Class/UI/Connecting/ViewModel/ConnectingViewModel.h"

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

std::string describe(const IConnectingViewModel::Action& action)
{
    if (const auto* title = std::get_if<ConnectingAction::setConnectingLabel>(&action))
        return "title: " + title->text;
    if (const auto* guide = std::get_if<ConnectingAction::setGuideLabel>(&action))
        return "guide: " + guide->text;
    if (std::holds_alternative<ConnectingAction::changeViewAlert>(action))
        return "changeViewAlert";
    return "none";
}

class ConnectingViewModelTest : public ScreenFrameworkTest {
protected:
    ConnectingViewModelTest()
    {
        subscription = viewModel->actionPublisher().sink([this](const auto& action) { published.push_back(describe(action)); });
        published.clear();
    }

    // The texts published last, after `seconds` more of waiting.
    Texts after(double seconds)
    {
        published.clear();
        time.advance(seconds);
        return published;
    }

    std::shared_ptr<ConnectingViewModel> viewModel = make<ConnectingViewModel>();
    Texts published;
    rx::Cancellable subscription;
};

TEST_F(ConnectingViewModelTest, TheTextsChangeAfterTenAndTwentySecondsAndTheWaitEndsAfterThreeMinutes)
{
    // The three bands read alike in English: in the language "keys" each text is its key.
    defaults->setString(rawValue(UserDefaultsKey::localizedString), "keys");
    viewModel->startConnecting();
    EXPECT_EQ(published, (Texts{"title: Connecting_First_Title My car", "guide: Connecting_First_Description"}));
    EXPECT_TRUE(after(10.0).empty()) << "exactly 10 s keeps the first texts";
    EXPECT_EQ(after(2.0), (Texts{"title: Connecting_Second_Title My car", "guide: Connecting_Second_Description"})) << "12 s";
    after(8.0);
    EXPECT_EQ(after(2.0), (Texts{"title: Connecting_Third_Title My car", "guide: Connecting_Third_Description"})) << "22 s";
    after(180.0 - 22.0);
    EXPECT_FALSE(viewModel->_isTimedOut) << "exactly 180 s still waits";
    EXPECT_EQ(after(2.0), Texts{"changeViewAlert"});
    EXPECT_TRUE(viewModel->_isTimedOut);
    EXPECT_EQ(after(2.0), Texts{"changeViewAlert"}) << "every later tick keeps the time-out state";

    viewModel->releaseTimer();
    published.clear();
    viewModel->startConnecting();
    EXPECT_EQ(published, Texts{"changeViewAlert"}) << "the same screen appearing again shows the time-out at once";
    EXPECT_TRUE(after(4.0).empty());
}

TEST_F(ConnectingViewModelTest, ANewScreenWaitsAfreshAfterAnEarlierTimeOut)
{
    viewModel->startConnecting();
    time.advance(182.0);
    viewModel->releaseTimer();

    viewModel->beginNewScreen();
    published.clear();
    viewModel->startConnecting();
    EXPECT_EQ(published.front(), "title: Connecting to My car");
    EXPECT_NE(viewModel->timeoutTimer, nullptr);
}

TEST_F(ConnectingViewModelTest, TheRetriesSpanTheWaitAtTheStoredIntervalAndABadIntervalCountsAsOneSecond)
{
    const std::pair<double, int64_t> cases[] = {
        {1.0, 180}, {2.0, 90}, {0.7, 257}, {0.0, 180}, {-3.0, 180}, {std::nan(""), 180}, {1e-300, 2147483647},
    };
    for (const auto& [interval, retries] : cases)
        EXPECT_EQ(ConnectingViewModel::retryCount(interval), retries) << interval;
}

TEST_F(ConnectingViewModelTest, AppearingTwiceWhileWaitingAsksForTheLinkOnceAndBackCancelsTheOpening)
{
    viewModel->startConnecting();
    const auto timer = viewModel->timeoutTimer;
    viewModel->startConnecting();
    EXPECT_EQ(viewModel->timeoutTimer, timer);
    EXPECT_TRUE(store->hasRetryTimer() || store->targetTerminalUdid());

    viewModel->cancelConnecting();
    EXPECT_FALSE(store->hasRetryTimer());
    EXPECT_FALSE(store->targetTerminalUdid());
    EXPECT_EQ(viewModel->timeoutTimer, nullptr);
    EXPECT_EQ(router->calls, Texts{"showConnectionConfirmation"});
}

TEST_F(ConnectingViewModelTest, EndingClosesTheRunWithE005)
{
    viewModel->startConnecting();
    viewModel->endConnecting();
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E005});
    EXPECT_EQ(viewModel->timeoutTimer, nullptr);
}

} // namespace
} // namespace screen_testing
