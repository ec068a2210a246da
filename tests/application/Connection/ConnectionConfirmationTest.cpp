#include "application/ScreenFramework/ScreenFrameworkTest.h"
#include "support/ListeningUnitSocket.h"

#include "Class/UI/ConnectionConfirmation/View/ConnectionConfirmationPageControl.h"
#include "Class/UI/ConnectionConfirmation/ViewModel/ConnectionConfirmationViewModel.h"

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;

std::string describe(const IConnectionConfirmationViewModel::Action& action)
{
    if (const auto* cars = std::get_if<ConnectionConfirmationAction::setScrollView>(&action))
        return "carousel of " + std::to_string(cars->carRecords.size());
    if (const auto* hint = std::get_if<ConnectionConfirmationAction::setIsHiddenslideOperationLabel>(&action))
        return hint->isHidden ? "hint hidden" : "hint shown";
    return "none";
}

class ConnectionConfirmationTest : public ScreenFrameworkTest {
protected:
    ConnectionConfirmationTest()
    {
        subscription = viewModel->actionPublisher().sink([this](const auto& action) { published.push_back(describe(action)); });
        published.clear();
        CarRecordStore::shared().selectedCarRecord.reset();
    }

    std::shared_ptr<ConnectionConfirmationViewModel> viewModel = make<ConnectionConfirmationViewModel>();
    Texts published;
    rx::Cancellable subscription;
};

TEST_F(ConnectionConfirmationTest, OneConnectedRegisteredCarWithNoneSelectedGoesToTheDisclaimerAtOnce)
{
    CarRecordStore::shared().saveCarRecords({car("VIN0009", "Far car"), car(kUnit, "My car")});
    viewModel->loadCarRecords();
    EXPECT_TRUE(published.empty());
    EXPECT_EQ(router->calls, Texts{"showDisclaimer"});
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord->CarName, "My car");
}

TEST_F(ConnectionConfirmationTest, TwoConnectedCarsOrAnEarlierChoiceShowTheCarousel)
{
    testing_support::ListeningUnitSocket second(folderPath(), "VIN0002");
    time.advance(0.1);
    CarRecordStore::shared().saveCarRecords({car(kUnit, "My car"), car("VIN0002", "Second")});
    viewModel->loadCarRecords();
    EXPECT_EQ(published, Texts{"carousel of 2"});
    EXPECT_TRUE(router->calls.empty());

    CarRecordStore::shared().saveCarRecords({car(kUnit, "My car")});
    CarRecordStore::shared().selectedCarRecord = car(kUnit, "My car");
    published.clear();
    viewModel->loadCarRecords();
    EXPECT_EQ(published, (Texts{"carousel of 1", "hint hidden"}));
}

TEST_F(ConnectionConfirmationTest, ConnectChoosesTheCarInViewAndNothingWithoutOne)
{
    viewModel->carRecords = {car(kUnit, "My car"), car("VIN0002", "Second")};
    viewModel->setSelectedCarRecordIndex(5);
    viewModel->confirmSelection();
    EXPECT_TRUE(router->calls.empty());
    EXPECT_FALSE(CarRecordStore::shared().selectedCarRecord);

    viewModel->setSelectedCarRecordIndex(1);
    viewModel->confirmSelection();
    EXPECT_EQ(router->calls, Texts{"showDisclaimer"});
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord->CarName, "Second");
}

TEST(ConnectionConfirmationPageControlTest, ThreePagesSpreadTheirMarksEvenlyAndThePageStaysInRange)
{
    const auto positions = ConnectionConfirmationPageControl::pagePositions({0, 0, 105, 20}, 3, 5.0);
    ASSERT_EQ(positions.size(), 3u);
    const double xs[] = {10.0, 52.5, 95.0};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(positions[i].x, xs[i]) << i;
        EXPECT_DOUBLE_EQ(positions[i].y, 10.0) << i;
    }
    EXPECT_EQ(ConnectionConfirmationPageControl::pagePositions({0, 0, 40, 20}, 1, 5.0).front().x, 20.0);

    ConnectionConfirmationPageControl control;
    control.setPageNum(0);
    EXPECT_EQ(control.pageNum(), 1);
    EXPECT_TRUE(control.isHidden());
    control.setPageNum(3);
    EXPECT_FALSE(control.isHidden());
    control.setCurrentPageNum(7);
    EXPECT_EQ(control.currentPageNum(), 2);
    control.setPageNum(2);
    EXPECT_EQ(control.currentPageNum(), 1);
    control.setCurrentPageNum(-1);
    EXPECT_EQ(control.currentPageNum(), 0);
}

} // namespace
} // namespace screen_testing
