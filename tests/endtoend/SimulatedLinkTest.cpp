#include "PhoneCodec.h"
#include "SimulatedLink.h"
#include "application/Class/Model/Terminal/LinkTestBench.h"

#include "Class/SharedObject/AppEventHandler.h"
#include "Class/SharedObject/TolvaneIntegrationAppAppDelegate.h"
#include "vehicle-sim/Interruption.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using endtoend::PhoneCodec;
using vehiclesim::Fault;

// The link over the stand-in codec, which keeps every frame it sent and every record it read.
class SimulatedLinkTest : public endtoend::SimulatedLink {
protected:
    SimulatedLinkTest()
    {
        di::Container::defaultContainer().registerService<tolvane::IDataCodingModel>([this](di::Resolver&) {
            return coding;
        });
        openLink();
    }

    std::shared_ptr<PhoneCodec> coding = std::make_shared<PhoneCodec>();
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

// The unit answers the phone's requests as the car does: the user's end request ends a halt too,
// and once that phone has gone the next one finds the car ready for the manoeuvre again.
TEST_F(SimulatedLinkTest, TheEndRequestEndsAHaltAndTheTurnedOffCarIsReadyForTheNextPhone)
{
    using tolvane::BtMekDspId;
    connect();
    coding->setOperation({.act = tolvane::BtSmpAct::on, .btn = tolvane::BtSmpBtn::longpress});
    time.advance(0.5);
    unit->interrupt(*vehiclesim::interruptionFor(vehiclesim::InterruptionKind::halt, "OBSTACLE"));
    time.advance(0.5);
    ASSERT_EQ(coding->lastDisplayId(), BtMekDspId::halt_obstacle);

    coding->setOperation({.act = tolvane::BtSmpAct::on, .btn = tolvane::BtSmpBtn::end});
    time.advance(0.5);
    EXPECT_EQ(coding->lastDisplayId(), BtMekDspId::stop_user_self) << "the end request stops the halted car";
    store->closeTerminal();
    time.advance(0.5);
    ASSERT_FALSE(unit->isConnected());

    coding->setOperation({});
    store->open("VIN0001", tolvane::app::TerminalStore::ConnectionOpenPattern::first, 0);
    time.advance(0.5);
    ASSERT_TRUE(unit->isConnected());
    EXPECT_EQ(coding->lastDisplayId(), BtMekDspId::sel_parkin_vertical) << "the car offers its plan again";
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
