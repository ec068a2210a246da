#include "SocketPair.h"

#include "foundation/FdWatch.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using foundation::FdCondition;
using foundation::VirtualTime;

TEST(FdWatchTest, ReadableDescriptorIsReportedOnItsLoopUntilDrained)
{
    VirtualTime time;
    auto worker = time.makeLoop("worker");
    SocketPair pair;
    int reports = 0;
    bool onWorker = false;
    auto watch = worker->watchFd(pair.near(), FdCondition::readable, [&] {
        ++reports;
        onWorker = foundation::RunLoop::current() == worker.get();
        pair.drainNear();
    });
    time.runUntilIdle();
    EXPECT_EQ(reports, 0);
    pair.send("abc");
    time.runUntilIdle();
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(onWorker);
}

TEST(FdWatchTest, DisabledOrCancelledWatchReportsNothing)
{
    VirtualTime time;
    SocketPair pair;
    int reports = 0;
    auto watch = time.mainLoop().watchFd(pair.near(), FdCondition::readable, [&] { ++reports; });
    watch->setEnabled(false);
    pair.send("x");
    time.runUntilIdle();
    EXPECT_EQ(reports, 0);
    watch->setEnabled(true);
    watch->cancel();
    time.runUntilIdle();
    EXPECT_EQ(reports, 0);
    EXPECT_FALSE(watch->isValid());
}

TEST(FdWatchTest, WritableWatchReportsSpace)
{
    VirtualTime time;
    SocketPair pair;
    int reports = 0;
    foundation::FdWatchRef watch;
    watch = time.mainLoop().watchFd(pair.near(), FdCondition::writable, [&] {
        ++reports;
        watch->setEnabled(false);
    });
    time.runUntilIdle();
    EXPECT_EQ(reports, 1);
}

TEST(FdWatchTest, DescriptorClosedUnderItsWatchEndsTheWatchInsteadOfSpinning)
{
    VirtualTime time;
    int fds[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    auto watch = time.mainLoop().watchFd(fds[0], FdCondition::readable, [] {});
    ::close(fds[0]);
    ::close(fds[1]);
    time.runUntilIdle();
    EXPECT_FALSE(watch->isValid());
}

} // namespace
