#include "support/ListeningUnitSocket.h"

#include "accessory/LocalSocketAccessoryManager.h"
#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using accessory::AccessoryRef;
using accessory::LocalSocketAccessoryManager;
using foundation::VirtualTime;

constexpr const char* kProtocol = "com.tolvane.control.protocol1";

using ListeningUnit = testing_support::ListeningUnitSocket;

class LocalSocketAccessoryManagerTest : public ::testing::Test {
protected:
    std::shared_ptr<LocalSocketAccessoryManager> makeManager()
    {
        auto manager = std::make_shared<LocalSocketAccessoryManager>(directory(), kProtocol);
        manager->registerForLocalNotifications();
        subscriptions.push_back(manager->accessoryDidConnect().sink(
            [this](const AccessoryRef& accessory) { notices.push_back("+" + accessory->serialNumber()); }));
        subscriptions.push_back(manager->accessoryDidDisconnect().sink(
            [this](const AccessoryRef& accessory) { notices.push_back("-" + accessory->serialNumber()); }));
        return manager;
    }
    std::string directory() const { return folder.path().toStdString(); }
    static std::vector<std::string> serials(const LocalSocketAccessoryManager& manager)
    {
        std::vector<std::string> result;
        for (const auto& accessory : manager.connectedAccessories())
            result.push_back(accessory->serialNumber());
        return result;
    }

    VirtualTime time;
    QTemporaryDir folder;
    std::vector<std::string> notices;
    std::vector<rx::Cancellable> subscriptions;
};

TEST_F(LocalSocketAccessoryManagerTest, SocketsPresentAtTheStartAreConnectedWithoutNotices)
{
    ListeningUnit unit(directory(), "VIN123");
    std::ofstream(directory() + "/notes.txt") << "not a socket";
    std::ofstream(directory() + "/fake.sock") << "a file, not a socket";
    auto manager = makeManager();
    time.runUntilIdle();

    EXPECT_EQ(serials(*manager), (std::vector<std::string>{"VIN123"}));
    const auto accessory = manager->connectedAccessories().front();
    EXPECT_EQ(accessory->name(), "VIN123");
    EXPECT_EQ(accessory->protocolStrings(), (std::vector<std::string>{kProtocol}));
    EXPECT_TRUE(accessory->isConnected());
    EXPECT_TRUE(notices.empty());
}

TEST_F(LocalSocketAccessoryManagerTest, SocketsThatComeAndGoAreArrivalsAndDepartures)
{
    auto manager = makeManager();
    auto unit = std::make_unique<ListeningUnit>(directory(), "A1");
    time.runUntilIdle();
    ASSERT_EQ(serials(*manager), (std::vector<std::string>{"A1"}));
    const auto accessory = manager->connectedAccessories().front();

    unit.reset();
    time.runUntilIdle();
    EXPECT_TRUE(serials(*manager).empty());
    EXPECT_FALSE(accessory->isConnected());
    EXPECT_EQ(notices, (std::vector<std::string>{"+A1", "-A1"}));
}

TEST_F(LocalSocketAccessoryManagerTest, NoticesAreHeldBackWhileNotRegistered)
{
    auto manager = makeManager();
    manager->unregisterForLocalNotifications();
    ListeningUnit unit(directory(), "A1");
    time.runUntilIdle();
    EXPECT_EQ(serials(*manager), (std::vector<std::string>{"A1"}));
    EXPECT_TRUE(notices.empty());
}

TEST_F(LocalSocketAccessoryManagerTest, DescriptionFileGivesNameAndProtocolStrings)
{
    std::ofstream(directory() + "/S9.json") << R"({"name": "Unit nine", "protocolStrings": ["com.other.one", ")"
                                            << kProtocol << R"("]})";
    ListeningUnit unit(directory(), "S9");
    auto manager = makeManager();
    const auto accessory = manager->connectedAccessories().at(0);
    EXPECT_EQ(accessory->name(), "Unit nine");
    EXPECT_EQ(accessory->protocolStrings(), (std::vector<std::string>{"com.other.one", kProtocol}));
}

TEST_F(LocalSocketAccessoryManagerTest, SessionConnectsOnlyForAnOfferedProtocol)
{
    ListeningUnit unit(directory(), "A1");
    auto manager = makeManager();
    const auto accessory = manager->connectedAccessories().at(0);

    EXPECT_EQ(manager->openSession(accessory, "com.other.protocol"), nullptr);
    const auto session = manager->openSession(accessory, kProtocol);
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->accessory(), accessory);
    EXPECT_EQ(session->protocolString(), kProtocol);
    EXPECT_NE(session->inputStream(), nullptr);
    EXPECT_NE(session->outputStream(), nullptr);
}

TEST_F(LocalSocketAccessoryManagerTest, SocketWithNobodyListeningGivesNoSession)
{
    auto unit = std::make_unique<ListeningUnit>(directory(), "A1");
    auto manager = makeManager();
    const auto accessory = manager->connectedAccessories().at(0);
    unit.reset();
    EXPECT_EQ(manager->openSession(accessory, kProtocol), nullptr);
}

TEST_F(LocalSocketAccessoryManagerTest, ConnectionEndedByTheUnitIsADepartureUntilTheSocketIsMadeAnew)
{
    auto unit = std::make_unique<ListeningUnit>(directory(), "A1");
    auto manager = makeManager();
    auto session = manager->openSession(manager->connectedAccessories().at(0), kProtocol);
    ASSERT_NE(session, nullptr);
    ASSERT_TRUE(unit->accept());
    auto loop = time.makeLoop("receive");
    loop->post([&] {
        session->inputStream()->schedule(*loop);
        session->inputStream()->open();
    });
    time.runUntilIdle();

    unit->hangUp();
    time.runUntilIdle();
    uint8_t buffer[16];
    loop->post([&] { session->inputStream()->read(buffer, sizeof(buffer)); });
    time.runUntilIdle();
    EXPECT_TRUE(serials(*manager).empty());
    EXPECT_FALSE(session->accessory()->isConnected());
    EXPECT_EQ(notices, (std::vector<std::string>{"-A1"}));

    unit.reset();
    unit = std::make_unique<ListeningUnit>(directory(), "A1");
    time.runUntilIdle();
    EXPECT_EQ(serials(*manager), (std::vector<std::string>{"A1"}));
    EXPECT_EQ(notices, (std::vector<std::string>{"-A1", "+A1"}));
    EXPECT_NE(manager->connectedAccessories().at(0)->connectionID(), session->accessory()->connectionID());
}

TEST_F(LocalSocketAccessoryManagerTest, BluetoothPowerFollowsTheFolderAndTakesTheUnitsAlong)
{
    ListeningUnit unit(directory(), "A1");
    auto manager = makeManager();
    std::vector<bt::PowerState> states;
    subscriptions.push_back(manager->bluetoothPower()->stateChanges().sink([&](bt::PowerState s) { states.push_back(s); }));
    EXPECT_EQ(manager->bluetoothPower()->state(), bt::PowerState::poweredOn);
    const auto accessory = manager->connectedAccessories().at(0);

    std::ofstream(directory() + "/bluetooth-power") << "poweredOff\n";
    time.runUntilIdle();
    EXPECT_EQ(manager->bluetoothPower()->state(), bt::PowerState::poweredOff);
    EXPECT_TRUE(serials(*manager).empty());
    EXPECT_EQ(manager->openSession(accessory, kProtocol), nullptr);

    std::ofstream(directory() + "/bluetooth-power") << "poweredOn\n";
    time.runUntilIdle();
    EXPECT_EQ(serials(*manager), (std::vector<std::string>{"A1"}));
    EXPECT_EQ(states, (std::vector<bt::PowerState>{bt::PowerState::poweredOff, bt::PowerState::poweredOn}));
    EXPECT_EQ(notices, (std::vector<std::string>{"-A1", "+A1"}));
}

// A user other than the one running the tests, as some other local user would be.
constexpr uid_t kOtherUser = 65534;

TEST_F(LocalSocketAccessoryManagerTest, AMissingFolderIsMadeForTheUserAlone)
{
    const std::string nested = directory() + "/runtime/tolvane-accessories";
    auto manager = std::make_shared<LocalSocketAccessoryManager>(nested, kProtocol);

    struct stat status {};
    ASSERT_EQ(::stat(nested.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_EQ(manager->refusal(), std::nullopt);
}

TEST_F(LocalSocketAccessoryManagerTest, AFolderOthersCanWriteOrOwnIsRefusedAndLinksNothing)
{
    struct Case {
        const char* what;
        mode_t mode;
        bool otherOwner;
        const char* reason;
    };
    const Case cases[] = {
        {"writable by all", 0777, false, "can be written by other users"},
        {"writable by the group", 0770, false, "can be written by other users"},
        {"another user's", 0700, true, "belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string planted = directory() + "/" + c.what;
        ASSERT_EQ(::mkdir(planted.c_str(), 0700), 0);
        ListeningUnit unit(planted, "VIN123");
        ASSERT_EQ(::chmod(planted.c_str(), c.mode), 0);
        if (c.otherOwner && ::chown(planted.c_str(), kOtherUser, kOtherUser) != 0) {
            std::cout << "Skipped: only root can give the folder to another user.\n";
            continue;
        }
        auto manager = std::make_shared<LocalSocketAccessoryManager>(planted, kProtocol);
        time.runUntilIdle();

        EXPECT_TRUE(manager->connectedAccessories().empty());
        ASSERT_TRUE(manager->refusal().has_value());
        EXPECT_NE(manager->refusal()->find(c.reason), std::string::npos) << *manager->refusal();
        EXPECT_NE(manager->refusal()->find("no unit is linked"), std::string::npos) << *manager->refusal();
    }
}

TEST_F(LocalSocketAccessoryManagerTest, AUnitRunningAsAnotherUserIsNotLinked)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can listen as another user";
    // The kernel takes a listening socket's peer credentials from whoever called listen().
    const std::string path = directory() + "/VIN123.sock";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::seteuid(kOtherUser), 0);
    const int listened = ::listen(fd, 1);
    ASSERT_EQ(::seteuid(0), 0);
    ASSERT_EQ(listened, 0);

    auto manager = makeManager();
    ASSERT_EQ(serials(*manager), (std::vector<std::string>{"VIN123"}));
    EXPECT_EQ(manager->openSession(manager->connectedAccessories().at(0), kProtocol), nullptr);

    ListeningUnit own(directory(), "OWN1");
    time.runUntilIdle();
    const auto ownAccessory = manager->connectedAccessories().at(1);
    ASSERT_EQ(ownAccessory->serialNumber(), "OWN1");
    EXPECT_NE(manager->openSession(ownAccessory, kProtocol), nullptr);
    ::close(fd);
}

TEST_F(LocalSocketAccessoryManagerTest, DescriptionsAndThePowerFileAreReadOnlyAsSmallRegularFiles)
{
    struct Case {
        const char* what;
        std::function<void(const std::string& path)> make;
    };
    const Case cases[] = {
        {"a FIFO nobody writes to", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
        {"a link to an endless device",
         [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); }},
        {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }},
        {"a file of a megabyte",
         [](const std::string& path) {
             std::ofstream(path) << R"({"name": "Huge", "protocolStrings": [")" << kProtocol << R"("], "pad": ")"
                                 << std::string(1024 * 1024, 'x') << R"("})";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir caseFolder;
        const std::string dir = caseFolder.path().toStdString();
        c.make(dir + "/S9.json");
        c.make(dir + "/bluetooth-power");
        ListeningUnit unit(dir, "S9");

        auto manager = std::make_shared<LocalSocketAccessoryManager>(dir, kProtocol);
        time.runUntilIdle();

        EXPECT_EQ(manager->bluetoothPower()->state(), bt::PowerState::poweredOn);
        ASSERT_EQ(serials(*manager), (std::vector<std::string>{"S9"}));
        EXPECT_EQ(manager->connectedAccessories().at(0)->name(), "S9");
        EXPECT_EQ(manager->connectedAccessories().at(0)->protocolStrings(), (std::vector<std::string>{kProtocol}));
    }
}

} // namespace
