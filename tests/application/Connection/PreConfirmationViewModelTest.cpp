#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/Model/IDataController.h"
#include "Class/Model/UserDefaultsKey.h"
#include "Class/UI/PreConfirmation/ViewModel/PreConfirmationViewModel.h"

#include "Internal/Model/IBatteryModel.h"
#include "bluetooth/BluetoothPower.h"
#include "network/NetworkPath.h"
#include "network/SettableNetworkPath.h"

#include <algorithm>

namespace screen_testing {
namespace {

using Lookup = AppVersionCompare::AppVersionCompareType;
using Texts = std::vector<std::string>;

class SettableBatteryModel final : public IBatteryModel {
public:
    bool requestCheckBatteryLevel() override { return enough; }
    bool enough = true;
};

// A history store of `rows` rows; remembers what was deleted.
class RowsDataController final : public IDataController {
public:
    std::string insertHistory() override { return "11111111-2222-3333-4444-555555555555"; }
    bool updateHistory(const std::string&, const std::string&, const std::string&) override { return true; }
    bool closeHistory(const std::string&, EventCode, const std::string&) override { return true; }
    std::vector<TolvaneControlHistory> fetchHistories(const FetchArguments&) override { return {}; }
    bool saveContext() override { return ++saves > 0; }
    int countHistories() override { return static_cast<int>(rows.size()); }
    std::vector<TolvaneControlHistory> fetchAllHistories() override { return rows; }
    bool deleteHistory(const std::string& id) override
    {
        deleted.push_back(id);
        return true;
    }
    bool deleteHistories(const std::string&) override { return true; }

    // Rows launched one minute apart, newest first as the store would not keep them.
    void fill(int count)
    {
        rows.clear();
        for (int i = count - 1; i >= 0; --i)
            rows.push_back({.id = std::to_string(i), .launchDate = foundation::Date{} + std::chrono::minutes(i), .timeZone = "UTC"});
    }

    std::vector<TolvaneControlHistory> rows;
    std::vector<std::string> deleted;
    int saves = 0;
};

std::string describe(const IPreConfirmationViewModel::Action& action)
{
    static const char* const names[] = {"setHistoryData", "setIsBatteryMonitoringEnabled", "none", "appendBluetoothPermissionAlert",
                                        "appendBluetoothAlert", "appendBatteryAlert", "appendAppVersionAlert", "doPreConfirmation",
                                        "didBecomeActive"};
    if (const auto* monitoring = std::get_if<PreConfirmationAction::setIsBatteryMonitoringEnabled>(&action))
        return monitoring->isBatteryMonitoringEnabled ? "monitoring(on)" : "monitoring(off)";
    return names[action.index()];
}

class PreConfirmationViewModelTest : public ScreenFrameworkTest {
protected:
    PreConfirmationViewModelTest()
    {
        bt::setBluetoothPower(power);
        network::setNetworkPath(path);
        viewModel->versionLookup = [this](const auto& completion) {
            ++lookups;
            completion(storeAnswer);
        };
        subscription = viewModel->actionPublisher().sink([this](const auto& action) { actions.push_back(describe(action)); });
    }
    ~PreConfirmationViewModelTest() override
    {
        network::setNetworkPath(nullptr);
        bt::setBluetoothPower(nullptr);
    }

    // What was published since the last call, without the monitoring switches.
    Texts checks()
    {
        Texts result;
        for (const auto& text : actions)
            if (text.rfind("monitoring", 0) != 0)
                result.push_back(text);
        actions.clear();
        return result;
    }

    std::shared_ptr<SettableBatteryModel> battery = std::make_shared<SettableBatteryModel>();
    std::shared_ptr<network::SettableNetworkPath> path = std::make_shared<network::SettableNetworkPath>(true);
    RowsDataController history;
    std::shared_ptr<PreConfirmationViewModel> viewModel = make<PreConfirmationViewModel>(battery, sdkState, &history);
    Lookup storeAnswer = Lookup::latest;
    int lookups = 0;
    Texts actions;
    rx::Cancellable subscription;
};

TEST_F(PreConfirmationViewModelTest, TheChecksQueueTheirAlertsInOrderAndStopAtTheFirstBlockingOne)
{
    struct Case {
        const char* name;
        bt::Authorization authorization;
        bool internet;
        Lookup store;
        bool batteryEnough;
        bt::PowerState power;
        Texts queued;
        bool available;
    };
    using enum bt::Authorization;
    const Case cases[] = {
        {"permission not given", denied, true, Lookup::old, false, bt::PowerState::poweredOff,
         {"appendBluetoothPermissionAlert"}, false},
        {"permission not decided", notDetermined, true, Lookup::latest, true, bt::PowerState::poweredOn,
         {"appendBluetoothPermissionAlert"}, false},
        {"newer version and low battery", allowedAlways, true, Lookup::old, false, bt::PowerState::poweredOn,
         {"appendAppVersionAlert", "appendBatteryAlert"}, false},
        {"newer version and Bluetooth off", allowedAlways, true, Lookup::old, true, bt::PowerState::poweredOff,
         {"appendAppVersionAlert", "appendBluetoothAlert"}, false},
        {"no network hides a newer version", allowedAlways, false, Lookup::old, true, bt::PowerState::poweredOn, {}, true},
        {"failed lookup counts as latest", allowedAlways, true, Lookup::error, true, bt::PowerState::poweredOn, {}, true},
        {"newer version only", allowedAlways, true, Lookup::old, true, bt::PowerState::poweredOn, {"appendAppVersionAlert"}, true},
    };
    for (const Case& c : cases) {
        power->setAuthorization(c.authorization);
        path->setSatisfied(c.internet);
        storeAnswer = c.store;
        battery->enough = c.batteryEnough;
        viewModel->startMonitoring();
        viewModel->setCentralState(c.power);
        actions.clear();
        viewModel->checkTolvaneAvailable();
        EXPECT_EQ(checks(), c.queued) << c.name;
        EXPECT_EQ(viewModel->isAvailable, c.available) << c.name;
    }
}

TEST_F(PreConfirmationViewModelTest, AClosedVersionAlertStopsTheStoreLookupAndBluetoothOffStopsTheMonitors)
{
    viewModel->initializeData();
    viewModel->setCentralState(bt::PowerState::poweredOff);
    actions.clear();
    viewModel->checkTolvaneAvailable();
    EXPECT_EQ(lookups, 1);
    EXPECT_EQ(actions.back(), "monitoring(off)");
    EXPECT_FALSE(viewModel->isInternetAvailable());

    viewModel->stopDisplayingVersionDialog();
    viewModel->startMonitoring();
    viewModel->checkTolvaneAvailable();
    EXPECT_EQ(lookups, 1);
}

TEST_F(PreConfirmationViewModelTest, TheFirstCheckWaitsForOneSecondAndRoutingForTwo)
{
    viewModel->setCentralState(bt::PowerState::poweredOn);
    CarRecordStore::shared().saveCarRecords({chosenCar()});
    defaults->setBool(rawValue(UserDefaultsKey::shouldShowFirstTutorial), false);
    viewModel->initializeData();
    checks();

    time.advance(0.3);
    viewModel->requestPreConfirmation();
    time.advance(0.6);
    EXPECT_TRUE(checks().empty()) << "the first check runs 1.0 s after the start";
    time.advance(0.1);
    EXPECT_EQ(checks(), Texts{"doPreConfirmation"});

    viewModel->requestPreConfirmation();
    EXPECT_EQ(checks(), Texts{"doPreConfirmation"}) << "later requests run at once";

    viewModel->transitionAfterPreConfirmation();
    time.advance(0.99);
    EXPECT_TRUE(router->calls.empty());
    time.advance(0.01);
    EXPECT_EQ(router->calls, Texts{"showDisclaimer"});
}

TEST_F(PreConfirmationViewModelTest, ChecksReadyAfterTwoSecondsRouteAtOnceAndFailedChecksNeverRoute)
{
    viewModel->initializeData();
    viewModel->isAvailable = false;
    viewModel->transitionAfterPreConfirmation();
    time.advance(3.0);
    EXPECT_TRUE(router->calls.empty());

    viewModel->isAvailable = true;
    viewModel->transitionAfterPreConfirmation();
    EXPECT_EQ(router->calls, Texts{"showFirstTutorialFlow"});
}

TEST_F(PreConfirmationViewModelTest, RoutingFollowsTheTutorialFlagThenTheNumberOfCars)
{
    const CarRecord other{.CarID = "VIN0002", .CarImagePath = "", .CarName = "Other", .CreateDate = "", .UpdateDate = ""};
    struct Case {
        bool tutorial;
        std::vector<CarRecord> cars;
        const char* route;
    };
    const Case cases[] = {
        {true, {chosenCar(), other}, "showFirstTutorialFlow"},
        {false, {}, "showFirstRegistration"},
        {false, {other}, "showDisclaimer"},
        {false, {chosenCar(), other}, "showConnectionConfirmation"},
    };
    for (const Case& c : cases) {
        defaults->setBool(rawValue(UserDefaultsKey::shouldShowFirstTutorial), c.tutorial);
        CarRecordStore::shared().saveCarRecords(c.cars);
        CarRecordStore::shared().selectedCarRecord = chosenCar();
        router->calls.clear();
        viewModel->transitionAfterPreConfirmation();
        EXPECT_EQ(router->calls, Texts{c.route});
        const std::string selected = c.cars.size() == 1 ? "Other" : "My car";
        EXPECT_EQ(CarRecordStore::shared().selectedCarRecord->CarName, selected) << c.route;
    }
}

TEST_F(PreConfirmationViewModelTest, TheHistoryIsTrimmedToTheNewestHundredAndFiftyFromThreeHundredRows)
{
    const std::pair<int, size_t> cases[] = {{299, 0}, {300, 150}, {1000, 850}};
    for (const auto& [rows, deleted] : cases) {
        history.fill(rows);
        history.deleted.clear();
        viewModel->initializeData();
        ASSERT_EQ(history.deleted.size(), deleted) << rows;
        // The oldest go, sorted by their launch text; the newest survivor is row 150 from the top.
        if (deleted > 0) {
            EXPECT_EQ(history.deleted.front(), "0");
            EXPECT_EQ(history.deleted.back(), std::to_string(deleted - 1));
        }
    }
    const Texts published = checks();
    EXPECT_EQ(std::count(published.begin(), published.end(), "setHistoryData"), 3);
}

TEST_F(PreConfirmationViewModelTest, AFrameworkTimeOutRestartsTheRunOnceWhateverTheNumberOfRestarts)
{
    viewModel->restartMonitoring();
    viewModel->restartMonitoring();
    checks();
    sdkState->setSdkState(SdkState::TIMEOUT);
    time.runUntilIdle();
    const Texts published = checks();
    EXPECT_EQ(std::count(published.begin(), published.end(), "setHistoryData"), 1);
    EXPECT_EQ(std::count(published.begin(), published.end(), "didBecomeActive"), 1);
}

} // namespace
} // namespace screen_testing
