#include "ProbeViewModel.h"
#include "ScreenFrameworkTest.h"

#include <thread>

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

// Records on which thread each decision ran.
class ThreadProbe final : public ProbeViewModel {
public:
    using ProbeViewModel::ProbeViewModel;
    bool transition(RequiredDisplayId displayId, CauseId cause) override
    {
        onMainThread.push_back(foundation::RunLoop::isMainThread());
        return ProbeViewModel::transition(displayId, cause);
    }
    std::vector<bool> onMainThread;
};

class BaseViewModelThreadingTest : public ScreenFrameworkTest {
protected:
    ~BaseViewModelThreadingTest() override { viewModel->clearCancellables(); }

    std::shared_ptr<ThreadProbe> viewModel = make<ThreadProbe>();
};

TEST_F(BaseViewModelThreadingTest, PairsPublishedOnAnotherThreadAreDecidedOnTheMainLoop)
{
    viewModel->setBinding();
    std::thread sender([this] { publish(SENSING, CauseId::DEF); });
    sender.join();
    EXPECT_TRUE(viewModel->onMainThread.empty());
    time.runUntilIdle();
    EXPECT_EQ(viewModel->onMainThread, std::vector<bool>{true});
    EXPECT_EQ(router->calls, Texts{"showRequestIDWaiting"});
}

} // namespace
} // namespace screen_testing
