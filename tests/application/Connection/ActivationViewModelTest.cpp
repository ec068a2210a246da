#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/UI/Activation/ViewModel/ActivationViewModel.h"

namespace screen_testing {
namespace {

using enum RequiredDisplayId;
using Texts = std::vector<std::string>;

std::string describe(const IActivationViewModel::Action& action)
{
    if (const auto* name = std::get_if<ActivationAction::setConnectionSuccessLabel>(&action))
        return "name: " + name->carName;
    if (const auto* image = std::get_if<ActivationAction::setCarImage>(&action))
        return "image: " + image->carImagePath;
    if (const auto* buttons = std::get_if<ActivationAction::setButtonImage>(&action))
        return buttons->isReceivedParkOut ? "power-on button" : "continue button";
    return "none";
}

class ActivationViewModelTest : public ScreenFrameworkTest {
protected:
    ActivationViewModelTest()
    {
        subscription = viewModel->actionPublisher().sink([this](const auto& action) { published.push_back(describe(action)); });
        published.clear();
    }

    std::shared_ptr<ActivationViewModel> viewModel = make<ActivationViewModel>();
    Texts published;
    rx::Cancellable subscription;
};

TEST_F(ActivationViewModelTest, TheStartRequestChoosesTheButtonAndRepeatedStartsDoNotPushTheScreen)
{
    viewModel->loadScreenContents();
    EXPECT_EQ(published, (Texts{"name: My car", "image: "}));
    published.clear();
    displayData->subject.send(START_PARK_OUT);
    displayData->subject.send(START_PARK_IN);
    displayData->subject.send(SENSING);
    EXPECT_EQ(published, (Texts{"power-on button", "continue button"}));
    EXPECT_FALSE(viewModel->transitionEnabled(START_PARK_IN));
    EXPECT_FALSE(viewModel->transitionEnabled(START_PARK_OUT));
    EXPECT_TRUE(viewModel->transitionEnabled(SENSING));
}

TEST_F(ActivationViewModelTest, ThreeMinutesWithoutAStartCloseTheRunWithE004AndWarn)
{
    viewModel->startTimeoutCheck();
    time.advance(179.0);
    EXPECT_TRUE(router->calls.empty());
    time.advance(1.0);
    EXPECT_EQ(EventStack::shared().stack(), std::vector<EventCode>{EventCode::E004});
    EXPECT_EQ(router->calls, Texts{"showWarn(timedOutActivation)"});
    time.advance(10.0);
    EXPECT_EQ(router->calls.size(), 1u);
}

TEST_F(ActivationViewModelTest, APressAt179SecondsAsksToStartAndStopsTheTimeOut)
{
    viewModel->startTimeoutCheck();
    time.advance(179.0);
    viewModel->requestStart();
    time.advance(60.0);
    EXPECT_TRUE(router->calls.empty());
    EXPECT_TRUE(EventStack::shared().stack().empty());
    EXPECT_EQ(userOperations->operations, std::vector<UserOperationKind>{UserOperationKind::REQ_START_TOLVANE{}});
}

TEST_F(ActivationViewModelTest, WithoutASelectedCarTheScreenReturnsToTheFirstScreen)
{
    CarRecordStore::shared().selectedCarRecord.reset();
    viewModel->startTimeoutCheck();
    viewModel->loadScreenContents();
    EXPECT_TRUE(published.empty());
    EXPECT_EQ(router->calls, Texts{"popToRootViewController"});
    time.advance(200.0);
    EXPECT_EQ(router->calls.size(), 1u);
}

TEST_F(ActivationViewModelTest, ChangingTheVehicleClosesTheLinkBeforeTheChoice)
{
    connect();
    viewModel->changeVehicle();
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(router->calls, Texts{"showConnectionConfirmation"});
}

} // namespace
} // namespace screen_testing
