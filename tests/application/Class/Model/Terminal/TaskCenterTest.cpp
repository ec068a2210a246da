#include "Class/Model/Terminal/DataReceiveCenter.h"
#include "Class/Model/Terminal/DataTransmissionCenter.h"

#include "accessory/FdStreams.h"
#include "foundation/RunLoop.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using tolvane::app::DataReceiveCenter;
using tolvane::app::DataTransmissionCenter;

// The send centre on a loop of virtual time, pumped from the test.
class TaskCenterTest : public ::testing::Test {
protected:
    TaskCenterTest() : sendLoop(time.makeLoop("send")) {}
    ~TaskCenterTest() override
    {
        DataTransmissionCenter::destroy();
        DataReceiveCenter::destroy();
        time.runUntilIdle();
    }

    void validate(const std::shared_ptr<DataTransmissionCenter>& center)
    {
        sendLoop->post([center] { center->validate(); });
        time.runUntilIdle();
    }
    // A task that records its name, its loop and the virtual time it ran at.
    std::function<void()> record(std::string name)
    {
        return [this, name] {
            auto* loop = foundation::RunLoop::current();
            ran.push_back(name + "@" + (loop ? loop->name() : "none") + ":" +
                          std::to_string(static_cast<int>((time.now() - start) * 1000 + 0.5)));
        };
    }

    foundation::VirtualTime time;
    std::shared_ptr<foundation::RunLoop> sendLoop;
    const double start = time.now();
    std::vector<std::string> ran;
};

TEST_F(TaskCenterTest, TasksQueuedBetweenPassesRunInOnePassInQueueOrderOnTheCentresThread)
{
    auto center = DataTransmissionCenter::shared();
    validate(center);
    for (const char* name : {"a", "b", "c"})
        center->enqueueSingleTask(record(name));
    EXPECT_TRUE(ran.empty());
    time.advance(0.001);
    EXPECT_EQ(ran, (std::vector<std::string>{"a@send:1", "b@send:1", "c@send:1"}));
}

TEST_F(TaskCenterTest, TaskQueuedByATaskRunsInTheNextPass)
{
    auto center = DataTransmissionCenter::shared();
    validate(center);
    center->enqueueSingleTask([&, center] {
        record("first")();
        center->enqueueSingleTask(record("queued by first"));
    });
    time.advance(0.001);
    EXPECT_EQ(ran, (std::vector<std::string>{"first@send:1"}));
    time.advance(0.001);
    EXPECT_EQ(ran, (std::vector<std::string>{"first@send:1", "queued by first@send:2"}));
}

TEST_F(TaskCenterTest, PeriodicTaskRunsEveryFiftyMillisecondsAfterTheSinglesQueuedBeforeItsPass)
{
    auto center = DataTransmissionCenter::shared();
    validate(center);
    EXPECT_FALSE(sendLoop->nextTimerDate()) << "an idle send thread is woken with nothing to send";
    center->setPeriodicTask(record("periodic"));
    time.advance(0.0495);
    center->enqueueSingleTask(record("single"));
    time.advance(0.0005);
    EXPECT_EQ(ran, (std::vector<std::string>{"single@send:50", "periodic@send:50"}));
    time.advance(0.05);
    EXPECT_EQ(ran.back(), "periodic@send:100");
    center->setPeriodicTask(nullptr);
    time.advance(0.1);
    EXPECT_EQ(ran.size(), 3u);
    EXPECT_FALSE(sendLoop->nextTimerDate()) << "the send thread still wakes every cycle without a link";
}

TEST_F(TaskCenterTest, TasksQueuedBeforeTheThreadStartsRunInItsFirstPass)
{
    auto center = DataReceiveCenter::shared();
    center->enqueueSingleTask(record("early"));
    time.advance(1.0);
    EXPECT_TRUE(ran.empty());
    auto receiveLoop = time.makeLoop("receive");
    receiveLoop->post([center] { center->validate(); });
    time.advance(0.01);
    EXPECT_EQ(ran, (std::vector<std::string>{"early@receive:1010"}));
}

TEST_F(TaskCenterTest, DestroyDropsQueuedTasksStopsTheOldCentreOnItsThreadAndLeavesAFreshOne)
{
    auto old = DataTransmissionCenter::shared();
    validate(old);
    old->setPeriodicTask(record("periodic"));
    old->enqueueSingleTask(record("dropped"));
    std::weak_ptr<DataTransmissionCenter> weakOld = old;
    old.reset();

    DataTransmissionCenter::destroy();
    auto fresh = DataTransmissionCenter::shared();
    EXPECT_NE(fresh, weakOld.lock());
    EXPECT_FALSE(weakOld.expired()); // its stop task keeps it until it ran
    time.advance(1.0);
    EXPECT_TRUE(ran.empty());
    EXPECT_TRUE(weakOld.expired());

    fresh->enqueueSingleTask(record("fresh"));
    validate(fresh);
    time.advance(0.05);
    EXPECT_EQ(ran, (std::vector<std::string>{"fresh@send:1001"}));
}

TEST_F(TaskCenterTest, StoppingClosesAStreamStillScheduledOnTheCentresLoop)
{
    auto center = DataTransmissionCenter::shared();
    validate(center);
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds), 0);
    auto stream = accessory::FdOutputStream::make(fds[0], std::make_shared<accessory::ConnectionEnd>(nullptr));
    sendLoop->post([&] {
        stream->schedule(*sendLoop);
        stream->open();
    });
    time.runUntilIdle();
    ASSERT_EQ(stream->status(), accessory::StreamStatus::open);

    DataTransmissionCenter::destroy();
    time.advance(0.001);
    EXPECT_EQ(stream->status(), accessory::StreamStatus::closed);
    char byte;
    EXPECT_EQ(::read(fds[1], &byte, 1), 0); // the unit sees the end of the connection
    ::close(fds[1]);
}

} // namespace
