#include "application/support/ScopedLogCapture.h"

#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"
#include "Class/Model/Terminal/Terminal.h"
#include "Class/Model/Terminal/TerminalStoreBase.h"

#include "accessory/AccessoryManager.h"
#include "accessory/InputStream.h"
#include "accessory/OutputStream.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using foundation::Bytes;
using tolvane::app::Terminal;

// An output stream whose every write result the test scripts; it records what it was offered.
class ScriptedOutputStream final : public accessory::OutputStream {
public:
    bool hasSpaceAvailable() const override { return space; }
    long write(const uint8_t* buffer, size_t length) override
    {
        offered.emplace_back(buffer, buffer + length);
        if (results.empty())
            return static_cast<long>(length);
        const long result = results.front();
        results.pop_front();
        return result;
    }
    bool space = true;
    std::deque<long> results;
    std::vector<Bytes> offered;
};

// An input stream that hands out scripted reads, a 0 included.
class ScriptedInputStream final : public accessory::InputStream {
public:
    bool hasBytesAvailable() const override { return !reads.empty(); }
    long read(uint8_t* buffer, size_t maxLength) override
    {
        Bytes next = reads.front();
        reads.pop_front();
        const size_t count = std::min(next.size(), maxLength);
        std::copy(next.begin(), next.begin() + static_cast<long>(count), buffer);
        return static_cast<long>(count);
    }
    std::deque<Bytes> reads;
};

class RecordingTerminalDelegate final : public tolvane::app::TerminalDelegate {
public:
    void receivedMessage(const Bytes& message) override { messages.push_back(message); }
    void streamOpenCompleted() override {}
    void streamErrorOccurred() override {}
    void streamEndEncountered() override {}
    std::vector<Bytes> messages;
};

class TerminalTest : public ::testing::Test {
protected:
    TerminalTest()
        : accessory(std::make_shared<accessory::Accessory>("Unit", "VIN1", std::vector<std::string>{"p"}, 7)),
          terminal(Terminal::make(nullptr, accessory, "p"))
    {
        terminal->setDelegate(delegate);
        terminal->setSession(std::make_shared<accessory::Session>(accessory, "p", input, output));
    }
    ~TerminalTest() override
    {
        tolvane::app::DataTransmissionCenter::destroy();
        tolvane::app::DataReceiveCenter::destroy();
    }

    testing_support::ScopedLogCapture logs;
    foundation::VirtualTime time;
    accessory::AccessoryRef accessory;
    std::shared_ptr<ScriptedInputStream> input = std::make_shared<ScriptedInputStream>();
    std::shared_ptr<ScriptedOutputStream> output = std::make_shared<ScriptedOutputStream>();
    std::shared_ptr<RecordingTerminalDelegate> delegate = std::make_shared<RecordingTerminalDelegate>();
    std::shared_ptr<Terminal> terminal;
};

TEST_F(TerminalTest, PartialWriteRemovesExactlyTheWrittenBytesAndOffersTheRestAtOnce)
{
    output->results = {3};
    terminal->write({1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(output->offered, (std::vector<Bytes>{{1, 2, 3, 4, 5, 6, 7}, {4, 5, 6, 7}}));
    EXPECT_TRUE(terminal->writeData().empty());
}

TEST_F(TerminalTest, StreamWithoutSpaceKeepsTheNewestFrameAndDropsAnOlderOneThatNeverStarted)
{
    output->space = false;
    terminal->write({1, 1});
    terminal->write({2, 2});
    EXPECT_TRUE(output->offered.empty());
    EXPECT_EQ(terminal->writeData(), (Bytes{2, 2}));
    EXPECT_TRUE(logs.contains("Dropped a stale frame that the terminal did not take."));

    output->space = true;
    terminal->write({3, 3});
    EXPECT_EQ(output->offered, (std::vector<Bytes>{{3, 3}}));
}

TEST_F(TerminalTest, UnsentRestOfAStartedFrameGoesOutAheadOfTheNewFrameInOneWrite)
{
    output->results = {2, 0};
    terminal->write({1, 1, 1, 1});
    EXPECT_EQ(terminal->writeData(), (Bytes{1, 1}));
    output->results = {};
    terminal->write({2, 2, 2, 2});
    EXPECT_EQ(output->offered.back(), (Bytes{1, 1, 2, 2, 2, 2}));
    EXPECT_TRUE(terminal->writeData().empty());
}

TEST_F(TerminalTest, WriteThatTakesNothingEndsTheSendInsteadOfSpinning)
{
    output->results = {0, 0, 0};
    terminal->write({1, 2});
    EXPECT_EQ(output->offered.size(), 1u);
    EXPECT_TRUE(logs.contains("fixed-length stream and has reached its capacity."));
    EXPECT_EQ(terminal->writeData(), (Bytes{1, 2}));
}

TEST_F(TerminalTest, WriteErrorKeepsTheBytesForTheNextSend)
{
    output->results = {-1};
    terminal->write({9, 9});
    EXPECT_TRUE(logs.contains("Error! Failed to write data to the terminal."));
    EXPECT_EQ(terminal->writeData(), (Bytes{9, 9}));
}

TEST_F(TerminalTest, EmptyWriteWithNothingPendingOnlyWarns)
{
    terminal->write({});
    EXPECT_TRUE(logs.contains("writeData is empty."));
    EXPECT_TRUE(output->offered.empty());
}

TEST_F(TerminalTest, WriteWithoutASessionKeepsTheBytes)
{
    terminal->setSession(nullptr);
    terminal->write({5});
    EXPECT_EQ(terminal->writeData(), (Bytes{5}));
}

TEST_F(TerminalTest, ReadsAreHandedOnChunkByChunkAndAnEmptyReadReachesNobody)
{
    input->reads = {{1, 2}, {}, {3}};
    terminal->readAvailableBytes(*input, Terminal::READ_CAPACITY);
    EXPECT_EQ(delegate->messages, (std::vector<Bytes>{{1, 2}, {3}}));
    EXPECT_TRUE(logs.contains("Received Message Log: Message=0 bytes"));
    EXPECT_TRUE(logs.contains("Received Message Log: Message=2 bytes"));
}

TEST_F(TerminalTest, ReadWithoutASessionIsSkipped)
{
    terminal->setSession(nullptr);
    input->reads = {{1}};
    terminal->readAvailableBytes(*input, Terminal::READ_CAPACITY);
    EXPECT_TRUE(delegate->messages.empty());
    EXPECT_TRUE(logs.contains("Skip readAvailableBytes method."));
}

TEST_F(TerminalTest, ClosingQueuesTheStreamClosesThatSetTheEndFlagsOnEachThread)
{
    auto send = time.makeLoop("send");
    auto receive = time.makeLoop("receive");
    send->post([] { tolvane::app::DataTransmissionCenter::shared()->validate(); });
    receive->post([] { tolvane::app::DataReceiveCenter::shared()->validate(); });
    time.runUntilIdle();
    terminal->close();
    EXPECT_FALSE(terminal->isInputStreamEndEncountered());
    time.advance(0.01);
    EXPECT_TRUE(terminal->isInputStreamEndEncountered());
    EXPECT_TRUE(terminal->isOutputStreamEndEncountered());
    EXPECT_TRUE(logs.contains("Close terminal socket(Input)."));
    EXPECT_TRUE(logs.contains("受信先名Unit、受信先シリアルナンバーVIN1"));
    EXPECT_TRUE(logs.contains("送信先名Unit、送信先シリアルナンバーVIN1"));
}

TEST_F(TerminalTest, OpeningWithoutAnAccessoryOrSessionFails)
{
    auto noAccessory = Terminal::make(nullptr, nullptr, "p");
    EXPECT_FALSE(noAccessory->open());
    EXPECT_FALSE(terminal->open()); // no backend makes a session
    EXPECT_TRUE(logs.contains("Failed to open terminal."));
}

// The look-ups over a backend that lists what the test says.
class ListedAccessories final : public accessory::AccessoryManager {
public:
    std::vector<accessory::AccessoryRef> connectedAccessories() const override { return accessories; }
    accessory::SessionRef openSession(const accessory::AccessoryRef&, const std::string&) override { return nullptr; }
    std::shared_ptr<bt::IBluetoothPower> bluetoothPower() const override { return nullptr; }
    std::vector<accessory::AccessoryRef> accessories;
};

TEST(TerminalStoreBaseTest, LookUpsSkipEmptySerialNumbersAndTakeTheFirstMatchingProtocol)
{
    testing_support::ScopedLogCapture logs;
    foundation::VirtualTime time;
    auto manager = std::make_shared<ListedAccessories>();
    auto make = [](std::string serial, std::vector<std::string> protocols) {
        return std::make_shared<accessory::Accessory>("n", std::move(serial), std::move(protocols), 1);
    };
    manager->accessories = {make("", {"a"}), make("S1", {"x", "b", "a"}), make("S2", {"y"}), make("S3", {"a"})};
    tolvane::app::TerminalStoreBase base(manager);

    const auto list = base.getFetchList({"a", "b"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]->udid(), "S1");
    EXPECT_EQ(list[0]->accessoryProtocol(), "b");
    EXPECT_EQ(list[1]->udid(), "S3");
    EXPECT_TRUE(base.getFetchList({}).empty());
    EXPECT_TRUE(logs.contains("Fetched accessories."));

    EXPECT_EQ(base.getTarminalWithTargetUDID("S1", {"a"})->accessoryProtocol(), "a");
    EXPECT_EQ(base.getTarminalWithTargetUDID("", {"a"}), nullptr);
    EXPECT_EQ(base.getTarminalWithTargetUDID("S2", {"a"}), nullptr);
}

} // namespace
