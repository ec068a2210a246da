#include "SocketPair.h"

#include "foundation/Clock.h"
#include "foundation/FdWatch.h"
#include "foundation/WorkerThread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

using foundation::FdCondition;

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
