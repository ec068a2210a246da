#include "SocketPair.h"

#include "accessory/FdStreams.h"
#include "foundation/RunLoop.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using accessory::ConnectionEnd;
using accessory::FdInputStream;
using accessory::FdOutputStream;
using accessory::Stream;
using accessory::StreamEvent;
using accessory::StreamStatus;
using accessory_testing::SocketPair;
using foundation::VirtualTime;

// Records each event with the loop it arrived on; reads or not, as the test says.
class RecordingDelegate final : public accessory::StreamDelegate {
public:
    struct Seen {
        Stream::Direction direction;
        StreamEvent event;
        std::string loop;
    };
    void stream(Stream& stream, StreamEvent event) override
    {
        auto* loop = foundation::RunLoop::current();
        seen.push_back({stream.direction(), event, loop ? loop->name() : "none"});
        if (event == StreamEvent::hasBytesAvailable && readChunks)
            readAll(static_cast<accessory::InputStream&>(stream));
    }
    void readAll(accessory::InputStream& input)
    {
        uint8_t buffer[1024];
        while (input.hasBytesAvailable()) {
            const long count = input.read(buffer, sizeof(buffer));
            if (count < 0)
                break;
            chunks.push_back(static_cast<size_t>(count));
        }
    }
    std::vector<StreamEvent> events() const
    {
        std::vector<StreamEvent> result;
        for (const auto& s : seen)
            result.push_back(s.event);
        return result;
    }
    std::vector<Seen> seen;
    std::vector<size_t> chunks;
    bool readChunks = true;
};

class FdStreamsTest : public ::testing::Test {
protected:
    FdStreamsTest()
        : receiveLoop(time.makeLoop("receive")),
          sendLoop(time.makeLoop("send")),
          end(std::make_shared<ConnectionEnd>([this] { ++connectionEnds; }))
    {
    }

    // Schedules and opens a stream on `loop` as a session's user does there.
    void openOn(foundation::RunLoop& loop, const std::shared_ptr<Stream>& stream)
    {
        loop.post([&, stream] {
            stream->setDelegate(delegate);
            stream->schedule(loop);
            stream->open();
        });
        time.runUntilIdle();
    }

    VirtualTime time;
    std::shared_ptr<foundation::RunLoop> receiveLoop;
    std::shared_ptr<foundation::RunLoop> sendLoop;
    int connectionEnds = 0;
    std::shared_ptr<ConnectionEnd> end;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
    SocketPair pair;
};

TEST_F(FdStreamsTest, EventsArriveOnTheLoopEachStreamIsScheduledOn)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    auto output = FdOutputStream::make(pair.dupNear(), end);
    openOn(*receiveLoop, input);
    openOn(*sendLoop, output);
    pair.sendFromFar({1, 2, 3});
    time.runUntilIdle();

    std::vector<std::string> inputSeen, outputSeen;
    for (const auto& seen : delegate->seen)
        (seen.direction == Stream::Direction::input ? inputSeen : outputSeen)
            .push_back(seen.loop + ":" + std::to_string(static_cast<int>(seen.event)));
    const auto on = [](const char* loop, StreamEvent event) {
        return std::string(loop) + ":" + std::to_string(static_cast<int>(event));
    };
    EXPECT_EQ(inputSeen, (std::vector<std::string>{on("receive", StreamEvent::openCompleted),
                                                   on("receive", StreamEvent::hasBytesAvailable)}));
    EXPECT_EQ(outputSeen, (std::vector<std::string>{on("send", StreamEvent::openCompleted),
                                                    on("send", StreamEvent::hasSpaceAvailable)}));
}

TEST_F(FdStreamsTest, WaitingBytesAreReadInPiecesOfTheRequestedSize)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    openOn(*receiveLoop, input);
    pair.sendFromFar(std::vector<uint8_t>(3000, 0xC0));
    time.runUntilIdle();
    EXPECT_EQ(delegate->chunks, (std::vector<size_t>{1024, 1024, 952}));
}

TEST_F(FdStreamsTest, EndOfFileEndsTheReadAndIsReportedOnce)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    openOn(*receiveLoop, input);
    pair.sendFromFar({7, 8});
    pair.closeFar();
    time.runUntilIdle();
    time.runUntilIdle();

    EXPECT_EQ(delegate->chunks, (std::vector<size_t>{2, 0}));
    const auto events = delegate->events();
    EXPECT_EQ(std::count(events.begin(), events.end(), StreamEvent::endEncountered), 1);
    EXPECT_EQ(input->status(), StreamStatus::atEnd);
    EXPECT_FALSE(input->hasBytesAvailable());
    EXPECT_EQ(connectionEnds, 1);
}

TEST_F(FdStreamsTest, WritingToAUnitThatHungUpIsAnErrorNotASignal)
{
    auto output = FdOutputStream::make(pair.dupNear(), end);
    openOn(*sendLoop, output);
    pair.closeFar();
    const uint8_t frame[] = {0xC0, 1, 0xC0};
    long result = 0;
    sendLoop->post([&] { result = output->write(frame, sizeof(frame)); });
    time.runUntilIdle();

    EXPECT_EQ(result, -1);
    EXPECT_EQ(output->status(), StreamStatus::error);
    ASSERT_TRUE(output->streamError().has_value());
    EXPECT_FALSE(output->streamError()->empty());
    EXPECT_EQ(delegate->events().back(), StreamEvent::errorOccurred);
    EXPECT_EQ(connectionEnds, 1);
}

TEST_F(FdStreamsTest, SocketWithoutSpaceReportsSpaceWhenItReturns)
{
    auto output = FdOutputStream::make(pair.dupNear(), end);
    openOn(*sendLoop, output);
    delegate->seen.clear();
    const std::vector<uint8_t> block(64 * 1024, 0x55);
    size_t written = 0;
    long last = 1;
    sendLoop->post([&] {
        while (output->hasSpaceAvailable() && (last = output->write(block.data(), block.size())) > 0)
            written += static_cast<size_t>(last);
        if (output->hasSpaceAvailable())
            last = output->write(block.data(), block.size());
    });
    time.runUntilIdle();
    EXPECT_GT(written, 0u);
    EXPECT_FALSE(output->hasSpaceAvailable());
    EXPECT_TRUE(delegate->seen.empty());

    EXPECT_EQ(pair.receiveAtFar().size(), written);
    time.runUntilIdle();
    EXPECT_EQ(delegate->events(), (std::vector<StreamEvent>{StreamEvent::hasSpaceAvailable}));
    EXPECT_TRUE(output->hasSpaceAvailable());
}

TEST_F(FdStreamsTest, CloseFromAnotherThreadRunsOnTheStreamsOwnLoop)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    openOn(*receiveLoop, input);
    input->close();
    EXPECT_EQ(input->status(), StreamStatus::open);
    time.runUntilIdle();
    EXPECT_EQ(input->status(), StreamStatus::closed);

    pair.sendFromFar({1});
    time.runUntilIdle();
    EXPECT_TRUE(delegate->chunks.empty());
}

TEST_F(FdStreamsTest, StreamNeverScheduledClosesAtOnce)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    input->close();
    EXPECT_EQ(input->status(), StreamStatus::closed);
}

TEST_F(FdStreamsTest, LoopAboutToStopClosesOnlyTheStreamsItCarries)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    auto output = FdOutputStream::make(pair.dupNear(), end);
    openOn(*receiveLoop, input);
    openOn(*sendLoop, output);
    receiveLoop->post([&] { Stream::closeAllScheduledOn(*receiveLoop); });
    time.runUntilIdle();
    EXPECT_EQ(input->status(), StreamStatus::closed);
    EXPECT_FALSE(input->hasDelegate());
    EXPECT_EQ(output->status(), StreamStatus::open);
    EXPECT_TRUE(output->hasDelegate());
}

TEST_F(FdStreamsTest, NoEventReachesTheDelegateAfterTheClose)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    receiveLoop->post([&] {
        input->setDelegate(delegate);
        input->schedule(*receiveLoop);
        input->open();
        input->close();
    });
    time.runUntilIdle();
    EXPECT_TRUE(delegate->seen.empty());
}

// Its last owner lets go of the stream during its event, as a session ended on another thread may
// meanwhile; the delegate then still reads from it.
class LettingGoDelegate final : public accessory::StreamDelegate {
public:
    void stream(Stream& stream, StreamEvent event) override
    {
        if (event != StreamEvent::hasBytesAvailable || !owner)
            return;
        const std::weak_ptr<Stream> weak = owner;
        owner.reset();
        aliveAfterLettingGo = !weak.expired();
        if (!aliveAfterLettingGo)
            return;
        uint8_t byte = 0;
        read = static_cast<accessory::InputStream&>(stream).read(&byte, 1);
    }
    std::shared_ptr<Stream> owner;
    bool aliveAfterLettingGo = false;
    long read = 0;
};

TEST_F(FdStreamsTest, AStreamLetGoOfDuringItsEventLivesUntilTheEventIsDelivered)
{
    auto input = FdInputStream::make(pair.dupNear(), end);
    const std::weak_ptr<Stream> weak = input;
    auto lettingGo = std::make_shared<LettingGoDelegate>();
    receiveLoop->post([&] {
        input->setDelegate(lettingGo);
        input->schedule(*receiveLoop);
        input->open();
        lettingGo->owner = std::move(input);
    });
    time.runUntilIdle();
    pair.sendFromFar({5});
    time.runUntilIdle();

    EXPECT_TRUE(lettingGo->aliveAfterLettingGo);
    EXPECT_EQ(lettingGo->read, 1);
    EXPECT_TRUE(weak.expired()) << "gone once its event was delivered";
}

} // namespace
