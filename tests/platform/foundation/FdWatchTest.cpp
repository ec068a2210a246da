#include "foundation/Clock.h"
#include "foundation/FdWatch.h"
#include "foundation/VirtualTime.h"
#include "foundation/WorkerThread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <thread>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using foundation::FdCondition;
using foundation::VirtualTime;

class SocketPair {
public:
    SocketPair() { ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds_); }
    ~SocketPair()
    {
        for (int fd : fds_)
            if (fd >= 0)
                ::close(fd);
    }
    int near() const { return fds_[0]; }
    int far() const { return fds_[1]; }
    void send(const char* text) const { ASSERT_GT(::write(fds_[1], text, std::strlen(text)), 0); }
    void drainNear() const
    {
        char buffer[256];
        while (::read(fds_[0], buffer, sizeof(buffer)) > 0) {
        }
    }

private:
    int fds_[2] = {-1, -1};
};

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

TEST(FdWatchThreadingTest, QtWorkerLoopReportsReadinessOnItsThread)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    foundation::SystemClock clock;
    foundation::WorkerThread worker("fd-watch-test", 0.5, clock);
    worker.start();
    SocketPair pair;
    std::promise<std::thread::id> reported;
    foundation::FdWatchRef watch;
    std::promise<void> watching;
    worker.loop().post([&] {
        watch = worker.loop().watchFd(pair.near(), FdCondition::readable, [&] {
            pair.drainNear();
            watch->cancel();
            reported.set_value(std::this_thread::get_id());
        });
        watching.set_value();
    });
    watching.get_future().wait();
    pair.send("ping");
    EXPECT_NE(reported.get_future().get(), std::this_thread::get_id());
    worker.loop().post([&] { watch.reset(); });
    worker.stop();
}

} // namespace
