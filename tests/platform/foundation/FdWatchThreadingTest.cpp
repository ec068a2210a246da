#include "RealWorkerThreadTest.h"
#include "SocketPair.h"

#include "foundation/FdWatch.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

namespace {

using foundation::FdCondition;

class FdWatchThreadingTest : public testing_support::RealWorkerThreadTest {};

TEST_F(FdWatchThreadingTest, QtWorkerLoopReportsReadinessOnItsThread)
{
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
