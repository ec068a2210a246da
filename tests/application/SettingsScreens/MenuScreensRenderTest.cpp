#include "application/ScreenFramework/ApplicationTest.h"

#include "Class/Model/DataController.h"
#include "Class/UI/Connecting/View/ConnectingViewController.h"
#include "Class/UI/Connecting/ViewModel/ConnectingViewModel.h"
#include "Class/UI/DeleteDevices/View/DeleteDevicesViewController.h"
#include "Class/UI/FirstRegistration/View/FirstRegistrationViewController.h"
#include "Class/UI/DeleteDevices/View/RegisteredCarsList.h"
#include "Class/UI/EditDevices/View/EditDevicesViewController.h"
#include "Class/UI/EditDevices/View/SettingsDeviceCell.h"
#include "Class/UI/OperationHistory/View/OperationHistoryViewController.h"
#include "Class/UI/Settings/View/SettingsTableViewCell.h"
#include "Class/UI/Settings/View/SettingsViewController.h"
#include "Class/UI/Settings/ViewModel/SettingsViewModel.h"
#include "Class/UI/Settings/View/VersionCell.h"

#include "foundation/Locale.h"
#include "foundation/TimeZone.h"
#include "support/ScopedEnvironment.h"
#include "ui/GoldenImage.h"
#include "ui/BasicAnimation.h"
#include "ui/ImageView.h"
#include "ui/Layer.h"
#include "ui/Label.h"
#include "ui/LayerRenderer.h"
#include "ui/NavigationController.h"
#include "ui/TouchDriver.h"

#include <QTemporaryDir>

#include <chrono>

namespace screen_testing {
namespace {

using namespace std::chrono;

// The settings menu and its screens shown by the real router over a stack in a 390 x 844 window.
class MenuScreensRenderTest : public ApplicationTest {
protected:
    MenuScreensRenderTest()
    {
        environment.set("TOLVANE_DATA_DIR", dataFolder.path().toStdString());
        CarRecordStore::destroyShared();
        provide<IDataController>(history);
        foundation::Locale::setCurrentIdentifier("en_US");
    }
    ~MenuScreensRenderTest() override
    {
        foundation::Locale::setCurrentIdentifier(std::nullopt);
        foundation::TimeZone::setDefault(std::nullopt);
        CarRecordStore::destroyShared();
    }

    // The screen on top of the stack the router pushes on.
    template <class Screen>
    std::shared_ptr<Screen> shown() const
    {
        ui::NavigationController& top = transitionManager->getTopNavigationController(*stack);
        return std::dynamic_pointer_cast<Screen>(top.viewControllers().back());
    }

    std::shared_ptr<SettingsViewController> openSettingsOver(const std::function<void()>& showUnder)
    {
        showStack();
        showUnder();
        settle();
        transitionManager->showSettings();
        settle();
        return shown<SettingsViewController>();
    }

    void registerCars(const std::vector<std::string>& names)
    {
        std::vector<CarRecord> cars;
        for (size_t i = 0; i < names.size(); ++i)
            cars.push_back({.CarID = "VIN000" + std::to_string(i + 1), .CarName = names[i]});
        CarRecordStore::shared().saveCarRecords(cars);
    }

    QImage picture() { return ui::LayerRenderer(time.now()).renderView(*window, 1); }

    testing_support::ScopedEnvironment environment;
    QTemporaryDir dataFolder;
    QTemporaryDir historyFolder;
    std::shared_ptr<DataController> history = std::make_shared<DataController>(historyFolder.path().toStdString(), time);
};

TEST_F(MenuScreensRenderTest, TheVehicleRowIsUsableOnlyOverTheScreensThatLeadToAConnection)
{
    auto pushConnecting = [this](bool timedOut) {
        auto model = std::make_shared<ConnectingViewModel>(injection());
        auto screen = std::make_shared<ConnectingViewController>();
        screen->viewModel = model;
        screen->baseViewModel = model;
        stack->pushViewController(screen, false);
        // A pushed screen starts a fresh wait when it appears; the time-out comes after.
        settle();
        model->_isTimedOut = timedOut;
    };
    const struct {
        const char* under;
        std::function<void()> show;
        bool enabled;
    } cases[] = {
        {"connection confirmation", [this] { transitionManager->showConnectionConfirmation(); }, true},
        {"operating", [this] { transitionManager->showOperating(); }, false},
        {"connecting", [&] { pushConnecting(false); }, true},
        {"connecting, timed out", [&] { pushConnecting(true); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.under);
        auto settings = openSettingsOver(c.show);
        ASSERT_NE(settings, nullptr);
        auto row = std::dynamic_pointer_cast<SettingsTableViewCell>(settings->tableView->cellForRow({1, 0}));
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->isUserInteractionEnabled(), c.enabled);
        EXPECT_EQ(row->label->isEnabled(), c.enabled);
        EXPECT_EQ(row->label->text(), "Edit the registered vehicle information");
        ASSERT_TRUE(row->arrowImage->image());
        EXPECT_EQ(row->arrowImage->image()->pixels(), c.enabled ? row->enabledArrowImage->pixels() : row->unabledArrowImage->pixels());
        auto version = std::dynamic_pointer_cast<VersionCell>(settings->tableView->cellForRow({2, 2}));
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->versionLabel->text(), "Ver.1.0.0");
    }
}

TEST_F(MenuScreensRenderTest, ATapOnTheVehicleRowOpensTheListOnlyWhenTheRowIsEnabled)
{
    for (const bool enabled : {false, true}) {
        auto settings = openSettingsOver([this, enabled] {
            if (enabled)
                transitionManager->showConnectionConfirmation();
            else
                transitionManager->showOperating();
        });
        ASSERT_NE(settings, nullptr);
        const ui::Rect row = settings->tableView->convert(settings->tableView->rectForRow({1, 0}), nullptr);
        ui::TouchDriver(*window).tap({row.midX(), row.midY()});
        settle();
        EXPECT_EQ(shown<EditDevicesViewController>() != nullptr, enabled);
    }
}

TEST_F(MenuScreensRenderTest, TheMenuArrivesFromTheRightAndLeavesToTheLeftOfTheWindow)
{
    registerCars({"Family car"});
    auto settings = openSettingsOver([this] { transitionManager->showOperating(); });
    ASSERT_NE(settings, nullptr);
    const double center = window->center().x;
    displayModel->calls.clear();
    transitionManager->showSettingsOperationHistory();
    time.runUntilIdle();
    settings->tapNavigationButtonLeave();
    const ui::BasicAnimation* push = window->layer().animation("transition");
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(push->fromValue, center - 390);
    EXPECT_EQ(push->toValue, center);
    settle();
    EXPECT_EQ(stack->presentedViewController(), nullptr) << "nothing pending and no link: the menu just closes";
    EXPECT_EQ(displayModel->calls, (std::vector<std::string>{"display:DEF", "outside:false", "display:OPERATE"}))
        << "the history, then the display of the screen under the menu again";
}

TEST_F(MenuScreensRenderTest, LeavingForRegistrationClosesTheMenuFromTheRightThenOpensFirstRegistration)
{
    auto settings = openSettingsOver([this] { transitionManager->showConnectionConfirmation(); });
    ASSERT_NE(settings, nullptr);
    auto viewModel = std::dynamic_pointer_cast<SettingsViewModel>(settings->viewModel);
    ASSERT_NE(viewModel, nullptr);
    viewModel->disconnectForRegistration();
    const ui::BasicAnimation* push = window->layer().animation("transition");
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(push->fromValue, window->center().x + 390);
    settle();
    EXPECT_EQ(stack->presentedViewController(), nullptr);
    EXPECT_NE(std::dynamic_pointer_cast<FirstRegistrationViewController>(stack->viewControllers().back()), nullptr);
}

TEST_F(MenuScreensRenderTest, SettingsOverTheConnectionConfirmation)
{
    openSettingsOver([this] { transitionManager->showConnectionConfirmation(); });
    EXPECT_TRUE(uitest::matchesGolden(picture(), "settings-menu"));
}

TEST_F(MenuScreensRenderTest, TheVehicleListMarksTheLinkedCar)
{
    registerCars({"Family car", "Blue hatchback", "Weekend van"});
    store->open("VIN0002", TerminalStore::ConnectionOpenPattern::first, 5);
    showStack();
    transitionManager->showSettings();
    settle();
    transitionManager->showSettingsEditDevices();
    settle();
    auto list = shown<EditDevicesViewController>();
    ASSERT_NE(list, nullptr);
    auto linked = std::dynamic_pointer_cast<SettingsDeviceCell>(list->list->deviceList->cellForRow({0, 1}));
    ASSERT_NE(linked, nullptr);
    EXPECT_FALSE(linked->checkImage->isHidden());
    EXPECT_TRUE(std::dynamic_pointer_cast<SettingsDeviceCell>(list->list->deviceList->cellForRow({0, 0}))->checkImage->isHidden());
    EXPECT_TRUE(uitest::matchesGolden(picture(), "vehicle-list"));
}

TEST_F(MenuScreensRenderTest, TheDeletionList)
{
    registerCars({"Family car", "Blue hatchback"});
    showStack();
    transitionManager->showSettings();
    settle();
    transitionManager->showSettingsDeleteDevices();
    settle();
    ASSERT_NE(shown<DeleteDevicesViewController>(), nullptr);
    const QImage shownList = picture();
    EXPECT_TRUE(uitest::matchesGolden(shownList, "vehicle-deletion-list"));
    // The list ends after its last car: below it no empty rows, no separators, one plain ground.
    const QRgb ground = shownList.pixel(200, 400);
    for (int y = 400; y < 844; ++y)
        for (int x = 0; x < 390; ++x)
            ASSERT_EQ(shownList.pixel(x, y), ground) << x << "," << y;
}

TEST_F(MenuScreensRenderTest, TheHistoryWithEveryKindOfEnd)
{
    registerCars({"Family car"});
    foundation::TimeZone::setDefault(foundation::TimeZone::fromIdentifier("Europe/Berlin"));
    const auto day = sys_days{2026y / 3 / 5};
    const std::pair<int, std::optional<EventCode>> runs[] = {
        {9, EventCode::N001}, {11, EventCode::E015}, {13, std::nullopt}, {15, EventCode::E006}};
    for (const auto& [hour, code] : runs) {
        time.setWallStart(foundation::Date(duration_cast<foundation::Date::duration>(day.time_since_epoch() + hours{hour})));
        const std::string id = history->insertHistory();
        history->updateHistory(id, hour == 11 ? "VIN0404" : "VIN0001", "");
        if (code) {
            time.setWallStart(foundation::Date(duration_cast<foundation::Date::duration>(day.time_since_epoch() + hours{hour} + minutes{25})));
            history->closeHistory(id, *code, "");
        }
    }
    currentHistoryId().set("");
    showStack();
    transitionManager->showSettings();
    settle();
    transitionManager->showSettingsOperationHistory();
    settle();
    auto screen = shown<OperationHistoryViewController>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->operationHistoryTableView->cellForRow({0, 3}) != nullptr, true);
    EXPECT_TRUE(uitest::matchesGolden(picture(), "operation-history"));
}

} // namespace
} // namespace screen_testing
