#include "MenuScreensTest.h"

#include "Class/UI/Base/View/CustomAlertAction.h"
#include "Class/UI/DeleteDevices/ViewModel/DeleteDevicesViewModel.h"
#include "Class/UI/EditDevices/ViewModel/EditDevicesViewModel.h"

#include <QDir>
#include <QFile>

#include <filesystem>

namespace screen_testing {
namespace {

using Texts = std::vector<std::string>;
namespace fs = std::filesystem;

// Forwards to the real store and notes, at each call, what the deletion had already done.
class WatchedHistory final : public IDataController {
public:
    WatchedHistory(std::shared_ptr<IDataController> store, std::function<std::string()> state)
        : store_(std::move(store)), state_(std::move(state))
    {
    }
    std::string insertHistory() override { return store_->insertHistory(); }
    bool updateHistory(const std::string& id, const std::string& deviceId, const std::string& carName) override
    {
        calls.push_back("updateHistory(" + deviceId + "," + carName + ") " + state_());
        return store_->updateHistory(id, deviceId, carName);
    }
    bool closeHistory(const std::string& id, EventCode code, const std::string& carName) override
    {
        return store_->closeHistory(id, code, carName);
    }
    std::vector<TolvaneControlHistory> fetchHistories(const FetchArguments& arguments) override { return store_->fetchHistories(arguments); }
    bool saveContext() override
    {
        calls.push_back("saveContext");
        return store_->saveContext();
    }
    int countHistories() override { return store_->countHistories(); }
    std::vector<TolvaneControlHistory> fetchAllHistories() override { return store_->fetchAllHistories(); }
    bool deleteHistory(const std::string& id) override { return store_->deleteHistory(id); }
    bool deleteHistories(const std::string& deviceId) override
    {
        calls.push_back("deleteHistories(" + deviceId + ") " + state_());
        return store_->deleteHistories(deviceId);
    }
    std::vector<std::string> calls;

private:
    std::shared_ptr<IDataController> store_;
    std::function<std::string()> state_;
};

class RegisteredCarsViewModelTest : public MenuScreensTest {
protected:
    RegisteredCarsViewModelTest()
    {
        QDir(dataFolder.path()).mkpath(".");
        for (auto* model : {static_cast<RegisteredCarsViewModel*>(edit.get()), static_cast<RegisteredCarsViewModel*>(deletion.get())})
            subscriptions.push_back(model->action.publisher().sink([this](const RegisteredCarsAction& action) { actions.push_back(action); }));
    }

    std::string picture(const std::string& name) const { return dataFolder.path().toStdString() + "/" + name; }
    void makeFile(const std::string& path) const
    {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("png");
    }

    const RegisteredCarsAction::presentAlert& lastAlert() const
    {
        for (auto it = actions.rbegin(); it != actions.rend(); ++it)
            if (const auto* alert = std::get_if<RegisteredCarsAction::presentAlert>(&it->value))
                return *alert;
        throw std::runtime_error("no alert");
    }

    // What the deletion has done to the link and the stores so far.
    std::string deletionState() const
    {
        const bool linkClosed = !store->targetTerminalUdid() && !store->isConnected();
        const bool recordGone = storedCarIds().size() < registered;
        const bool pictureGone = !fs::exists(picture("VIN0003.png"));
        return std::string(linkClosed ? "link closed" : "link open") + (pictureGone ? ", picture gone" : ", picture kept") +
               (recordGone ? ", record gone" : ", record kept");
    }

    size_t registered = 0;
    std::shared_ptr<WatchedHistory> watched =
        std::make_shared<WatchedHistory>(history, [this] { return deletionState(); });
    std::shared_ptr<EditDevicesViewModel> edit = make<EditDevicesViewModel>(sdkState, watched);
    std::shared_ptr<DeleteDevicesViewModel> deletion = make<DeleteDevicesViewModel>(watched);
    std::vector<RegisteredCarsAction> actions;
    std::vector<rx::Cancellable> subscriptions;
};

TEST_F(RegisteredCarsViewModelTest, AddingACarGoesToRegistrationUnderTheLimitWithNoCarLinked)
{
    edit->reloadCarRecords();
    edit->onTapAddCar();
    EXPECT_EQ(router->calls, Texts{"showFirstRegistration"});

    registerCars(5);
    connect();
    CarRecordStore::shared().saveCarRecords({car(1), car(2), MenuScreensTest::car(3), car(4), {.CarID = kUnit, .CarName = "Linked"}});
    edit->reloadCarRecords();
    edit->onTapAddCar();
    EXPECT_EQ(lastAlert().title, "Registration of another vehicle is not possible. To register a new vehicle, please remove one of the "
                                 "registered vehicles.");
    EXPECT_EQ(titles(lastAlert().actions), Texts{"OK"});
    tap(lastAlert().actions, "OK");
    EXPECT_EQ(statistics, Texts{"tirmalunesko/bangdingcheliangyichaoshangxian/alert/queding"});
    EXPECT_EQ(router->calls, Texts{"showFirstRegistration"}) << "the limit only reports";
}

TEST_F(RegisteredCarsViewModelTest, AddingWithTheThirdOfFourCarsTargetedAsksToDisconnectIt)
{
    auto cars = registerCars(4);
    store->open(cars[2].CarID, TerminalStore::ConnectionOpenPattern::first, 5);
    edit->reloadCarRecords();
    EXPECT_TRUE(edit->isCurrentVehicle({0, 2})) << "the target alone marks the car";
    EXPECT_FALSE(edit->isCurrentVehicle({0, 1}));

    edit->onTapAddCar();
    EXPECT_EQ(lastAlert().title, "Disconnect from Car 3?");
    EXPECT_EQ(titles(lastAlert().actions), (Texts{"OK", "Cancel"}));
    tap(lastAlert().actions, "Cancel");
    EXPECT_EQ(store->targetTerminalUdid(), cars[2].CarID);
    EXPECT_TRUE(router->calls.empty());

    tap(lastAlert().actions, "OK");
    EXPECT_EQ(store->targetTerminalUdid(), std::nullopt);
    EXPECT_EQ(displayModel->calls, Texts{"outside:false"});
    EXPECT_EQ(router->calls, Texts{"showSettingsFirstRegistration"});
    EXPECT_EQ(statistics, (Texts{"tirmalunesko/chelianglianjiezhongshifouduankaiyucardelianjie/alert/quxiao",
                                 "tirmalunesko/chelianglianjiezhongshifouduankaiyucardelianjie/alert/queding"}));
}

TEST_F(RegisteredCarsViewModelTest, ATapOpensTheCarForEditing)
{
    registerCars(2);
    edit->reloadCarRecords();
    edit->onSelectCell({0, 1});
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord, car(2));
    EXPECT_TRUE(CarRecordStore::shared().isEdit);
    EXPECT_EQ(router->calls, Texts{"showRegistration"});
}

TEST_F(RegisteredCarsViewModelTest, DeletingTheLinkedCarClosesTheLinkFirstAndKeepsTheCurrentRunEmptied)
{
    registerCars(4);
    registered = 4;
    makeFile(picture("VIN0003.png"));
    const std::string current = history->insertHistory();
    currentHistoryId().set(current);
    history->updateHistory(current, "VIN0003", "Car 3");
    const std::string earlier = history->insertHistory();
    history->updateHistory(earlier, "VIN0003", "Car 3");
    const std::string other = history->insertHistory();
    history->updateHistory(other, "VIN0002", "Car 2");
    CarRecordStore::shared().selectedCarRecord = car(3);
    store->open("VIN0003", TerminalStore::ConnectionOpenPattern::first, 5);

    edit->reloadCarRecords();
    edit->confirmDelete({0, 2});
    EXPECT_EQ(lastAlert().title, "Remove registered vehicle Car 3?");
    tap(lastAlert().actions, "OK");

    EXPECT_EQ(watched->calls, (Texts{"updateHistory(,) link closed, picture kept, record kept",
                                     "deleteHistories(VIN0003) link closed, picture gone, record gone", "saveContext"}));
    EXPECT_EQ(storedCarIds(), (Texts{"VIN0001", "VIN0002", "VIN0004"}));
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord, std::nullopt);
    const auto rows = history->fetchAllHistories();
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        if (row.id == current) {
            EXPECT_EQ(row.deviceId, "");
            EXPECT_EQ(row.carName, "");
        } else {
            EXPECT_EQ(row.id, other);
        }
    }
    EXPECT_EQ(edit->carRecords().size(), 3u);
    EXPECT_TRUE(std::holds_alternative<RegisteredCarsAction::reloadTableView>(actions.back().value));
    EXPECT_EQ(statistics, (Texts{"tirmalunesko/bangdingcheliangguanli/shanchucheliang", "tirmalunesko/bangdingcheliangguanli/alert/queding"}));
}

TEST_F(RegisteredCarsViewModelTest, APlainDeletionLeavesTheLinkAndTheChosenCarAlone)
{
    registerCars(3);
    CarRecordStore::shared().selectedCarRecord = car(2);
    store->open("VIN0009", TerminalStore::ConnectionOpenPattern::first, 5);
    deletion->reloadCarRecords();
    deletion->confirmDelete({0, 1});
    // Linking the car now does not change what the open pop-up deletes.
    store->open("VIN0002", TerminalStore::ConnectionOpenPattern::first, 5);
    tap(lastAlert().actions, "OK");
    EXPECT_EQ(storedCarIds(), (Texts{"VIN0001", "VIN0003"}));
    EXPECT_EQ(store->targetTerminalUdid(), "VIN0002");
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord, car(2)) << "kept, as the deletion is plain";
    EXPECT_TRUE(statistics.empty()) << "the deletion list reports nothing";
}

TEST_F(RegisteredCarsViewModelTest, BackKeepsTheCarAndDeselectsTheRowWithoutAnimation)
{
    registerCars(2);
    edit->reloadCarRecords();
    edit->confirmDelete({0, 1});
    tap(lastAlert().actions, "Cancel");
    const auto* deselect = std::get_if<RegisteredCarsAction::deselectRow>(&actions.back().value);
    ASSERT_NE(deselect, nullptr);
    EXPECT_EQ(deselect->at, (ui::IndexPath{0, 1}));
    EXPECT_FALSE(deselect->animated);
    EXPECT_EQ(storedCarIds().size(), 2u);
    EXPECT_EQ(statistics, (Texts{"tirmalunesko/bangdingcheliangguanli/shanchucheliang", "tirmalunesko/bangdingcheliangguanli/alert/quxiao"}));
}

TEST_F(RegisteredCarsViewModelTest, APictureIsRemovedOnlyWhenItIsAFileInsideTheDataFolder)
{
    QTemporaryDir outside;
    const std::string outsideFile = outside.path().toStdString() + "/keep.png";
    makeFile(outsideFile);
    QDir(dataFolder.path()).mkpath("pictures");
    fs::create_symlink(outsideFile, picture("link.png"));
    const std::string escape = fs::relative(outsideFile, dataFolder.path().toStdString()).string();
    const struct {
        std::string storedPath;
        bool removed;
    } cases[] = {
        {"Documents/VIN0001.png", true}, {"Documents/missing.png", false}, {"", false},
        {"Documents/pictures", false},   {"Documents/link.png", false},    {"Documents/" + escape, false},
        {outsideFile, false},
    };
    makeFile(picture("VIN0001.png"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.storedPath);
        CarRecordStore::shared().saveCarRecords({{.CarID = "VIN0001", .CarImagePath = c.storedPath, .CarName = "Car 1"}});
        deletion->reloadCarRecords();
        deletion->confirmDelete({0, 0});
        const std::string printed = myLogLines([&] { tap(lastAlert().actions, "OK"); });
        EXPECT_EQ(printed.find("削除ファイルがありません") != std::string::npos, !c.removed);
        EXPECT_TRUE(storedCarIds().empty()) << "the record goes in every case";
    }
    EXPECT_FALSE(fs::exists(picture("VIN0001.png")));
    EXPECT_TRUE(fs::exists(outsideFile));
    EXPECT_TRUE(fs::is_directory(picture("pictures")));
    EXPECT_TRUE(fs::is_symlink(picture("link.png")));
}

TEST_F(RegisteredCarsViewModelTest, ARequestThatEndsTheRunStopsTheLinkButMovesNoScreen)
{
    const struct {
        RequiredDisplayId displayId;
        CauseId cause;
        bool stops;
    } cases[] = {
        {RequiredDisplayId::STOP, CauseId::USER_SELF, true},
        {RequiredDisplayId::COMPLETE_PARK_IN, CauseId::DEF, true},
        {RequiredDisplayId::STOP, CauseId::LOW_BATTERY, false},
        {RequiredDisplayId::HALT, CauseId::BT_LOSS, false},
    };
    for (const auto& c : cases) {
        for (RegisteredCarsViewModel* model : {static_cast<RegisteredCarsViewModel*>(edit.get()), static_cast<RegisteredCarsViewModel*>(deletion.get())}) {
            store->isConnectionStop = false;
            EXPECT_FALSE(model->transition(c.displayId, c.cause));
            // The cause reaches the link store, so a stop with a cause ends the link too.
            EXPECT_EQ(store->isConnectionStop, c.stops) << caseName(c.displayId) << " " << caseName(c.cause);
        }
    }
    EXPECT_TRUE(router->calls.empty());
    time.advance(1.0);
}

TEST_F(RegisteredCarsViewModelTest, ACarNameIsShownVerbatimInTheConfirmation)
{
    CarRecordStore::shared().saveCarRecords({{.CarID = "VIN0001", .CarName = "100%s %@ %n"}});
    deletion->reloadCarRecords();
    deletion->confirmDelete({0, 0});
    EXPECT_EQ(lastAlert().title, "Remove registered vehicle 100%s %@ %n?");
}

} // namespace
} // namespace screen_testing
