#include "RegistrationFlowTest.h"

#include "Class/SharedObject/Application.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"
#include "Class/UI/RegistrationDevices/View/TerminalCell.h"

#include "foundation/NotificationCenter.h"
#include "support/ListeningUnitSocket.h"
#include "ui/Label.h"
#include "ui/TableView.h"

namespace screen_testing {
namespace {

class RegistrationDevicesScreenTest : public RegistrationFlowTest {
protected:
    std::shared_ptr<TerminalCell> cellOf(const std::string& udid)
    {
        auto& list = *shown<RegistrationDevicesViewController>()->deviceList;
        for (int row = 0; row < 3; ++row)
            if (auto cell = std::dynamic_pointer_cast<TerminalCell>(list.cellForRow({0, row})); cell && cell->udid().text() == udid)
                return cell;
        return nullptr;
    }

    testing_support::ListeningUnitSocket secondUnit{folderPath(), "VIN0002"};
};

TEST_F(RegistrationDevicesScreenTest, TwoUnitsOneRegisteredGiveThreeRowsOfWhichOnlyTheOtherUnitCanBeChosen)
{
    registerCar("VIN0001", "Family car");
    openDevices();
    const auto screen = shown<RegistrationDevicesViewController>();
    ASSERT_TRUE(screen) << "presented in a stack of its own";
    EXPECT_NE(&registrationStack(), stack.get());
    ui::TableView& list = *screen->deviceList;
    EXPECT_EQ(screen->numberOfRows(list, 0), 3);
    EXPECT_EQ(list.rectForRow({0, 2}).height(), 0.0) << "the row after the last unit is invisible";
    EXPECT_DOUBLE_EQ(list.rectForRow({0, 0}).height(), 844.0 * 80.0 / 926.0);
    EXPECT_EQ(screen->heightForHeader(list, 0), 58.0);

    const auto registered = cellOf("VIN0001");
    const auto free = cellOf("VIN0002");
    ASSERT_TRUE(registered && free);
    EXPECT_EQ(registered->name().text(), "(Registered)VIN0001");
    EXPECT_FALSE(registered->name().isEnabled());
    EXPECT_FALSE(registered->isUserInteractionEnabled());
    EXPECT_EQ(free->name().text(), "VIN0002");
    EXPECT_TRUE(free->name().isEnabled());
    EXPECT_TRUE(free->isUserInteractionEnabled());

    tap(*registered);
    EXPECT_TRUE(shown<RegistrationDevicesViewController>()) << "a registered unit cannot be chosen";
    EXPECT_EQ(store->terminal(), nullptr);

    tap(*free);
    settle();
    EXPECT_TRUE(shown<ConnectingForRegistrationViewController>());
    ASSERT_TRUE(store->terminal());
    EXPECT_EQ(store->terminal()->udid(), "VIN0002");
    EXPECT_TRUE(logs.contains("Try to open new terminal when a terminal is selected from list in startup view."));
}

// A tap on a row that is still rising into view is not taken: taken, it pushed the connecting
// screen onto a stack that had not arrived, where it never came to life and never connected.
TEST_F(RegistrationDevicesScreenTest, ATapWhileTheListStillRisesIsNotTakenAndTheNextOneConnects)
{
    transitionManager->showRegistrationDevices();
    time.advance(0.1);
    ASSERT_TRUE(cellOf("VIN0001"));
    tap(*cellOf("VIN0001"));
    settle();
    const auto devices = shown<RegistrationDevicesViewController>();
    ASSERT_TRUE(devices) << "the list stays";
    EXPECT_TRUE(devices->isAppeared());
    EXPECT_EQ(store->terminal(), nullptr);

    tap(*cellOf("VIN0001"));
    settle();
    const auto connecting = shown<ConnectingForRegistrationViewController>();
    ASSERT_TRUE(connecting);
    EXPECT_TRUE(connecting->isAppeared());
    EXPECT_TRUE(store->terminal());
}

TEST_F(RegistrationDevicesScreenTest, ARowAtOrPastTheEndOfTheListDoesNothing)
{
    openDevices();
    const auto screen = shown<RegistrationDevicesViewController>();
    ASSERT_TRUE(screen);
    for (size_t row : {2u, 3u, 1000u}) {
        screen->viewModel->selectTerminal(row);
        settle();
        EXPECT_TRUE(shown<RegistrationDevicesViewController>()) << row;
        EXPECT_EQ(store->terminal(), nullptr) << row;
    }
}

TEST_F(RegistrationDevicesScreenTest, NoStoredCarsMarkNothingAndTheListIsRebuiltOnReturningToTheForeground)
{
    openDevices();
    ASSERT_TRUE(cellOf("VIN0001") && cellOf("VIN0002"));
    EXPECT_EQ(cellOf("VIN0001")->name().text(), "VIN0001");
    EXPECT_EQ(cellOf("VIN0002")->name().text(), "VIN0002");

    registerCar("VIN0002", "Work car");
    foundation::NotificationCenter::defaultCenter().post(Application::didBecomeActiveNotification);
    settle();
    ASSERT_TRUE(cellOf("VIN0002"));
    EXPECT_EQ(cellOf("VIN0002")->name().text(), "(Registered)VIN0002");
    EXPECT_TRUE(logs.contains("==================== Active状態遷移直後(RegistrationDevicesViewController) ===================="));
}

TEST_F(RegistrationDevicesScreenTest, SearchingAgainFollowsTheListWithOneObservationOnly)
{
    openDevices();
    const auto viewModel = shown<RegistrationDevicesViewController>()->viewModel;
    for (int search = 0; search < 3; ++search)
        viewModel->startSearchingTerminals();
    int reloads = 0;
    auto counting = viewModel->actionPublisher().sink([&](IRegistrationDevicesViewModel::Action action) {
        reloads += action == IRegistrationDevicesViewModel::Action::reloadDeviceList;
    });
    reloads = 0; // the stream hands over its current value first
    foundation::NotificationCenter::defaultCenter().post(TerminalStore::eventTerminalListChangedKey);
    EXPECT_EQ(reloads, 1);
}

TEST_F(RegistrationDevicesScreenTest, LeavingClosesTheWholeRegistrationFlow)
{
    openDevices();
    shown<RegistrationDevicesViewController>()->tapNavigationButtonLeave();
    settle();
    EXPECT_EQ(&registrationStack(), stack.get());
}

} // namespace
} // namespace screen_testing
