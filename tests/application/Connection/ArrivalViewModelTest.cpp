#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/UI/Arrival/ViewModel/ArrivalViewModel.h"

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

class ArrivalViewModelTest : public ScreenFrameworkTest {
protected:
    std::shared_ptr<ArrivalViewModel> viewModel = make<ArrivalViewModel>();
};

TEST_F(ArrivalViewModelTest, ARepeatedArrivalChangesNothingWhileOtherRequestsMoveOnAsAnywhere)
{
    EXPECT_FALSE(viewModel->transition(RequiredDisplayId::REACH_POINT, CauseId::DEF));
    EXPECT_TRUE(router->calls.empty());
    viewModel->transition(RequiredDisplayId::SEL_PARK_IN, CauseId::DEF);
    EXPECT_EQ(router->calls, Texts{"showPlanParkIn"});
}

} // namespace
} // namespace screen_testing
