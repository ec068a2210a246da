#include "support/ListeningUnitSocket.h"

#include "accessory/LocalSocketAccessoryManager.h"
#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>


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

} // namespace
