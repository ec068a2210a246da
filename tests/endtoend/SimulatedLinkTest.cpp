#include "PhoneCodec.h"
#include "application/Class/Model/Terminal/LinkTestBench.h"
#include "application/Class/Model/Terminal/RecordingLinkDelegate.h"

#include "application/support/ScopedLogCapture.h"
#include "application/support/ScopedUserDefaults.h"

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/TerminalStore.h"
#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "vehicle-sim/VehicleUnit.h"

#include "accessory/LocalSocketAccessoryManager.h"
#include "di/Container.h"
#include "foundation/VirtualTime.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using endtoend::PhoneCodec;
using tolvane::BtMekDspId;
using vehiclesim::Fault;
using vehiclesim::VehicleUnit;

using link_testing::RecordingLinkDelegate;

// The phone's link and the simulated unit in one process, on virtual time.
class SimulatedLinkTest : public ::testing::Test {
protected:
    SimulatedLinkTest()
        : sendLoop(time.makeLoop("send")), receiveLoop(time.makeLoop("receive")), vehicleLoop(time.makeLoop("vehicle"))
    {
        VehicleUnit::Options options;
        options.directory = directory();
        unit = std::make_unique<VehicleUnit>(*vehicleLoop, options);
        manager = std::make_shared<accessory::LocalSocketAccessoryManager>(directory(), "com.tolvane.control.protocol1");
        di::Container::defaultContainer().registerService<tolvane::IDataCodingModel>([this](di::Resolver&) {
            return coding;
        });
        auto send = tolvane::app::DataTransmissionCenter::shared();
        auto receive = tolvane::app::DataReceiveCenter::shared();
        sendLoop->post([send] { send->validate(); });
        receiveLoop->post([receive] { receive->validate(); });
        tolvane::app::TerminalStore::setSharedEnvironment(
            tolvane::app::TerminalStore::Environment{.manager = manager, .bluetoothPower = manager->bluetoothPower()});
        store = tolvane::app::TerminalStore::shared();
        store->setDelegate(delegate);
        store->registerObservers();
        time.runUntilIdle();
    }
    ~SimulatedLinkTest() override
    {
        tolvane::app::TerminalStore::destroyShared();
        tolvane::app::TerminalStore::setSharedEnvironment(std::nullopt);
        time.advance(3.0);
        tolvane::app::DataTransmissionCenter::destroy();
        tolvane::app::DataReceiveCenter::destroy();
        unit.reset();
        time.advance(0.1);
        store.reset();
        di::Container::defaultContainer().removeAll();
    }

    std::string directory() const { return folder.path().toStdString(); }
    void connect()
    {
        store->open("VIN0001", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0);
        time.advance(0.05);
        ASSERT_TRUE(store->isConnected());
        ASSERT_TRUE(unit->isConnected());
    }

    testing_support::ScopedLogCapture logs;
    foundation::VirtualTime time;
    testing_support::ScopedUserDefaults defaults;
    QTemporaryDir folder;
    std::shared_ptr<foundation::RunLoop> sendLoop;
    std::shared_ptr<foundation::RunLoop> receiveLoop;
    std::shared_ptr<foundation::RunLoop> vehicleLoop;
    std::unique_ptr<VehicleUnit> unit;
    std::shared_ptr<accessory::LocalSocketAccessoryManager> manager;
    std::shared_ptr<PhoneCodec> coding = std::make_shared<PhoneCodec>();
    std::shared_ptr<RecordingLinkDelegate> delegate = std::make_shared<RecordingLinkDelegate>();
    std::shared_ptr<tolvane::app::TerminalStore> store;
};

TEST_F(SimulatedLinkTest, UnitReceivesTheEncodedFramesEveryFiftyMilliseconds)
{
    connect();
    time.advance(1.0);
    const auto received = unit->received();
    const auto sent = coding->sent();
    ASSERT_GE(received.size(), 19u);
    ASSERT_GE(sent.size(), received.size());
    for (size_t i = 0; i < received.size(); ++i) {
        EXPECT_EQ(received[i].frame, sent[i]) << i;
        ASSERT_TRUE(received[i].operation.has_value());
        EXPECT_TRUE(received[i].operation->checksumValid);
        if (i > 0) {
            EXPECT_NEAR(received[i].time - received[i - 1].time, 0.05, 1e-6);
        }
    }
}

TEST_F(SimulatedLinkTest, ManoeuvreMovesOnlyWhileHeldAndReachesItsEnd)
{
    connect();
    time.advance(0.5);
    EXPECT_EQ(coding->displayIds(), (std::vector<BtMekDspId>{BtMekDspId::sel_parkin_vertical}));

    coding->hold(true);
    time.advance(1.0);
    EXPECT_EQ(coding->displayIds().back(), BtMekDspId::controlling_inpark);
    const int64_t movedTo = coding->distance();
    EXPECT_LT(movedTo, vehiclesim::Manoeuvre::START_DISTANCE);

    coding->hold(false);
    time.advance(0.2);
    const int64_t stoppedAt = coding->distance();
    time.advance(1.0);
    EXPECT_EQ(coding->distance(), stoppedAt);

    coding->hold(true);
    time.advance(6.0);
    EXPECT_EQ(coding->displayIds(), (std::vector<BtMekDspId>{BtMekDspId::sel_parkin_vertical,
                                                             BtMekDspId::controlling_inpark, BtMekDspId::parkin_comp}));
    EXPECT_EQ(coding->distance(), 0);
    EXPECT_TRUE(coding->abnormal().empty());
    EXPECT_TRUE(store->isConnected());
}

struct FaultCase {
    const char* name;
    Fault fault;
    const char* abnormalSeen; // a text the phone's decoders log, or empty
};

class SimulatedFaultTest : public SimulatedLinkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SimulatedFaultTest, FaultNeitherBreaksTheLinkNorGrowsItsBuffers)
{
    const FaultCase& c = GetParam();
    connect();
    unit->setFault(c.fault, true);
    for (int i = 0; i < 60; ++i) {
        time.advance(0.05);
        ASSERT_LE(store->terminal()->writeData().size(), 2 * coding->sent().back().size());
    }
    EXPECT_TRUE(store->isConnected());
    unit->clearFaults();
    const int recordsBefore = coding->records();
    time.advance(1.0);
    EXPECT_GT(coding->records(), recordsBefore);
    if (*c.abnormalSeen) {
        const auto abnormal = coding->abnormal();
        EXPECT_NE(std::find(abnormal.begin(), abnormal.end(), c.abnormalSeen), abnormal.end());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SimulatedFaultTest,
                         ::testing::Values(FaultCase{"BadChecksum", Fault::badChecksum, "Received MEKSUM is invalid."},
                                           FaultCase{"FrozenCounter", Fault::frozenCounter, ""},
                                           FaultCase{"JumpingCounter", Fault::jumpingCounter, ""},
                                           FaultCase{"Silence", Fault::silence, ""},
                                           FaultCase{"Abnormality", Fault::abnormality, ""},
                                           FaultCase{"Stall", Fault::stall, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimulatedLinkTest, GarbageBurstIsLoggedAndDroppedAndTheMessagesAfterItAreRead)
{
    connect();
    unit->sendGarbage(5000);
    time.advance(0.05);
    EXPECT_FALSE(coding->abnormal().empty());
    const int recordsBefore = coding->records();
    time.advance(0.5);
    EXPECT_GT(coding->records(), recordsBefore);
    EXPECT_TRUE(store->isConnected());
}

TEST_F(SimulatedLinkTest, DroppedLinkIsADepartureAndTheReturningUnitIsReopened)
{
    connect();
    delegate->calls.clear();
    unit->dropLink();
    time.advance(0.1);
    EXPECT_EQ(delegate->calls.front(), "sessionDidEnd");
    EXPECT_TRUE(store->isConnected()); // the unit came back at once and was reopened
    EXPECT_TRUE(unit->isConnected());
    EXPECT_NE(std::find(delegate->calls.begin(), delegate->calls.end(), "willStart"), delegate->calls.end());
}

TEST_F(SimulatedLinkTest, BluetoothSwitchedOffEndsTheLinkUntilItIsBack)
{
    connect();
    delegate->calls.clear();
    unit->setBluetoothPower(bt::PowerState::poweredOff);
    time.advance(0.5);
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(store->centralState(), bt::PowerState::poweredOff);
    EXPECT_EQ(delegate->calls, (std::vector<std::string>{"sessionDidEnd"}));

    unit->setBluetoothPower(bt::PowerState::poweredOn);
    time.advance(0.5);
    EXPECT_TRUE(store->isConnected());
    EXPECT_EQ(store->centralState(), bt::PowerState::poweredOn);
}

// The application's terminate body against the unit. The shared delegate is made first: building it
// registers the framework's services, which the fixture's codec and the fake then replace.
class SimulatedTerminateTest : public SimulatedLinkTest {
protected:
    SimulatedTerminateTest() : appDelegate(tolvane::app::AppEventHandler::eventHandlerDelegate())
    {
        auto& container = di::Container::defaultContainer();
        container.registerService<tolvane::IDataCodingModel>([this](di::Resolver&) { return coding; });
        container.registerService<tolvane::ISdkModel>([this](di::Resolver&) { return sdk; });
    }

    std::shared_ptr<tolvane::app::TolvaneIntegrationAppAppDelegate> appDelegate;
    std::shared_ptr<link_testing::FakeSdkModel> sdk = std::make_shared<link_testing::FakeSdkModel>();
};

TEST_F(SimulatedTerminateTest, TerminatingWithALiveLinkSendsEightFinalMessagesFiftyMillisecondsApartThenCloses)
{
    connect();
    time.advance(0.51);
    const size_t before = unit->received().size();
    const foundation::Seconds start = time.now();

    appDelegate->applicationWillTerminate();
    EXPECT_EQ(sdk->finishRequests, 1);
    time.advance(1.0);

    const auto received = unit->received();
    ASSERT_EQ(received.size() - before, 8u);
    EXPECT_LT(received[before].time - start, 0.01);
    for (size_t i = before + 1; i < received.size(); ++i)
        EXPECT_NEAR(received[i].time - received[i - 1].time, 0.05, 0.002) << i;
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(unit->isConnected());
    EXPECT_FALSE(store->targetTerminalUdid());
}

} // namespace
