#include "LinkTestBench.h"

#include "foundation/NotificationCenter.h"

#include <fstream>

namespace {

using link_testing::FakeDataCodingModel;
using link_testing::LinkTest;
using Strings = std::vector<std::string>;

class TerminalStoreLinkTest : public LinkTest {
protected:
    int count(const std::string& message)
    {
        int n = 0;
        for (const auto& line : logs.messages())
            n += line == message;
        return n;
    }
    void writePowerFile(const char* state) { std::ofstream(folderPath() + "/bluetooth-power") << state; }
};

TEST_F(TerminalStoreLinkTest, CycleWritesTheEncodedFrameEveryFiftyMilliseconds)
{
    connect();
    unit->receive();
    for (int cycle = 0; cycle < 4; ++cycle) {
        const int before = coding->encoded;
        time.advance(0.05);
        ASSERT_EQ(coding->encoded, before + 1);
        EXPECT_EQ(unit->receive(), FakeDataCodingModel::frame(static_cast<uint8_t>(coding->encoded)));
    }
    EXPECT_TRUE(logs.contains(foundation::hexString(FakeDataCodingModel::frame(1), " ")));
}

TEST_F(TerminalStoreLinkTest, StartingTheCycleTwiceKeepsTheFirst)
{
    connect();
    store->startCycle();
    EXPECT_TRUE(logs.contains("PeriodicSendTask already exists. Method startCycle was skipped."));
    const int before = coding->encoded;
    time.advance(0.05);
    EXPECT_EQ(coding->encoded, before + 1);
}

TEST_F(TerminalStoreLinkTest, CycleWithoutATerminalEncodesNothing)
{
    store->startCycle();
    time.advance(0.2);
    EXPECT_EQ(coding->encoded, 0);
}

TEST_F(TerminalStoreLinkTest, SingleSendWritesOneFrameOnTheSendThreadAndNothingWithoutATerminal)
{
    store->enqueueSendTask();
    time.advance(0.001);
    EXPECT_EQ(coding->encoded, 0);
    connect();
    store->stopCycle();
    unit->receive();
    store->enqueueSendTask();
    time.advance(0.001);
    EXPECT_EQ(coding->encoded, 1);
    EXPECT_EQ(unit->receive(), FakeDataCodingModel::frame(1));
}

TEST_F(TerminalStoreLinkTest, ReceivedChunksReachTheCodecOnTheReceiveThreadUnchanged)
{
    connect();
    const foundation::Bytes small{0xC0, 0x00, 0x08, 0x08, 0x80, 0, 0, 0, 0, 0, 0, 0, 0xC0};
    unit->send(small);
    time.advance(0.01);
    unit->send(foundation::Bytes(3000, 0x55));
    time.advance(0.01);
    std::lock_guard lock(coding->mutex);
    ASSERT_EQ(coding->chunks.size(), 4u);
    EXPECT_EQ(coding->chunks[0], small);
    EXPECT_EQ(coding->chunks[1].size(), 1024u);
    EXPECT_EQ(coding->chunks[2].size(), 1024u);
    EXPECT_EQ(coding->chunks[3].size(), 952u);
    EXPECT_EQ(coding->chunkLoops, (Strings{"receive", "receive", "receive", "receive"}));
}

TEST_F(TerminalStoreLinkTest, StalledUnitNeverMakesThePendingOutputGrow)
{
    connect();
    unit->stopReading();
    // The unit stops reading: the socket fills, then every cycle keeps only the newest frame.
    int cycles = 0;
    while (store->terminal()->writeData().empty() && cycles < 10000) {
        time.advance(0.05);
        ++cycles;
    }
    ASSERT_LT(cycles, 10000);
    for (int cycle = 0; cycle < 50; ++cycle)
        time.advance(0.05);
    EXPECT_LE(store->terminal()->writeData().size(), 2 * FakeDataCodingModel::frame(0).size());
    EXPECT_TRUE(logs.contains("Dropped a stale frame that the terminal did not take."));

    // What the unit then reads is whole frames in order, ending with the newest.
    foundation::Bytes received = unit->receive();
    time.advance(0.05);
    const foundation::Bytes rest = unit->receive();
    received.insert(received.end(), rest.begin(), rest.end());
    ASSERT_EQ(received.size() % 14, 0u);
    EXPECT_EQ(received.front(), 0xC0);
    EXPECT_EQ(foundation::Bytes(received.end() - 14, received.end()),
              FakeDataCodingModel::frame(static_cast<uint8_t>(coding->encoded)));
}

TEST_F(TerminalStoreLinkTest, UnitThatHangsUpIsADepartureAndEndsTheSession)
{
    connect();
    unit->hangUp();
    time.advance(0.05);
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(delegate->calls, (Strings{"sessionDidEnd"}));
    EXPECT_EQ(link->calls.back(), "disconnected");
    EXPECT_FALSE(store->hasPeriodicSendTask());
    EXPECT_EQ(store->targetTerminalUdid(), kUnit); // kept: a returning unit is reopened
}

TEST_F(TerminalStoreLinkTest, ReturningUnitIsReopenedWhileTheApplicationIsActive)
{
    connect();
    unit->hangUp();
    time.advance(0.05);
    delegate->calls.clear();
    {
        // The unit comes back as a new socket.
        testing_support::ListeningUnitSocket replacement(folderPath(), "OTHER");
    }
    std::optional<testing_support::ListeningUnitSocket> back;
    unit->~ListeningUnitSocket();
    new (&unit) testing_support::ListeningUnitSocket(folderPath(), kUnit);
    time.advance(0.05);
    EXPECT_EQ(delegate->calls, (Strings{"willStart", "didSucceed", "didSucceed", "didSucceed"}));
    EXPECT_TRUE(unit->accept());
    EXPECT_TRUE(store->isConnected());
}

TEST_F(TerminalStoreLinkTest, ArrivalWhileInactiveIsSkipped)
{
    connect();
    unit->hangUp();
    time.advance(0.05);
    applicationState = 2;
    unit->~ListeningUnitSocket();
    new (&unit) testing_support::ListeningUnitSocket(folderPath(), kUnit);
    time.advance(0.05);
    EXPECT_TRUE(logs.contains("####Skipped(not active) EAAccessoryDidConnect."));
    EXPECT_FALSE(store->isConnected());
}

TEST_F(TerminalStoreLinkTest, ArrivalOfAUnitWithoutTheProtocolIsNotAuthenticated)
{
    std::ofstream(folderPath() + "/ODD.json") << R"({"name": "odd", "protocolStrings": ["com.other"]})";
    testing_support::ListeningUnitSocket odd(folderPath(), "ODD");
    time.advance(0.01);
    EXPECT_TRUE(logs.contains("This accessory is not yet authenticated."));
}

TEST_F(TerminalStoreLinkTest, TerminalListPostsOnceForTheClearedListAndOncePerTerminal)
{
    int posts = 0;
    auto observation = foundation::NotificationCenter::defaultCenter().addObserver(
        tolvane::app::TerminalStore::eventTerminalListChangedKey, [&] { ++posts; });
    testing_support::ListeningUnitSocket second(folderPath(), "VIN0002");
    time.runUntilIdle();
    posts = 0;
    store->refreshTerminalList();
    EXPECT_EQ(posts, 3);
    ASSERT_EQ(store->terms().size(), 2u);
    EXPECT_EQ(store->terms()[0]->udid(), kUnit);
    EXPECT_EQ(store->terms()[1]->udid(), "VIN0002");
}

TEST_F(TerminalStoreLinkTest, BluetoothOffAndOnThroughTheBackendClosesAndReopensTheLink)
{
    connect();
    writePowerFile("poweredOff");
    time.advance(0.05);
    EXPECT_FALSE(store->isConnected());
    EXPECT_EQ(delegate->calls, (Strings{"sessionDidEnd"}));
    EXPECT_TRUE(logs.contains("Close terminal on notified EAAccessoryDidDisconnect."));

    writePowerFile("poweredOn");
    time.advance(0.05);
    EXPECT_TRUE(store->isConnected());
    EXPECT_TRUE(unit->accept());
    EXPECT_EQ(unit->accepted(), 2);
}

TEST_F(TerminalStoreLinkTest, PowerReturnSeenByTheCycleReopensTheLinkOnce)
{
    connect();
    power->setState(bt::PowerState::poweredOff);
    time.advance(0.1);
    EXPECT_TRUE(logs.contains("Bluetooth poweredOff"));
    EXPECT_TRUE(store->isConnected());
    power->setState(bt::PowerState::poweredOn);
    time.advance(0.2);
    EXPECT_EQ(count("Try to reopen terminal."), 1);
    EXPECT_TRUE(store->isConnected());
    EXPECT_TRUE(unit->accept());
    EXPECT_EQ(unit->accepted(), 2);
    time.advance(1.0);
    EXPECT_EQ(count("Try to reopen terminal."), 1);
}

TEST_F(TerminalStoreLinkTest, OperatingStateOfTheFrameworkIsMirrored)
{
    store->subscribeSdkState();
    time.runUntilIdle();
    sdkState->setSdkState(tolvane::SdkState::OPERATING);
    EXPECT_TRUE(store->isActOn);
    sdkState->setSdkState(tolvane::SdkState::TIMEOUT);
    EXPECT_FALSE(store->isActOn);
}

} // namespace
