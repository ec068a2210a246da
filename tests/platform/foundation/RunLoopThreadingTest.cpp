#include "RealWorkerThreadTest.h"

#include "foundation/Clock.h"
#include "foundation/WorkerThread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using foundation::Timer;
using testing_support::RealWorkerThreadTest;

TEST_F(RealWorkerThreadTest, RunsPostedTasksAndTimersOnItsOwnThread)
{
    std::promise<std::thread::id> posted;
    worker.loop().post([&] { posted.set_value(std::this_thread::get_id()); });
    const auto workerId = posted.get_future().get();
    EXPECT_NE(workerId, std::this_thread::get_id());

    std::promise<int> ticks;
    int count = 0;
    worker.loop().post([&] {
        worker.loop().scheduleTimer(0.001, true, [&](Timer& t) {
            if (++count == 3) {
                t.invalidate();
                ticks.set_value(count);
            }
        });
    });
    EXPECT_EQ(ticks.get_future().get(), 3);
    worker.stop();
    EXPECT_FALSE(worker.isRunning());
}

TEST(RunLoopThreadingTest, AWorkerLoopKeptPastItsThreadGoesWithoutCrashing)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    foundation::SystemClock clock;
    std::shared_ptr<foundation::RunLoop> kept;
    {
        foundation::WorkerThread worker("kept-loop-test", 1.0, clock);
        worker.start();
        kept = worker.loop().shared_from_this(); // as a stream's endpoint keeps the loop it waits on
    }
    kept.reset();
}

TEST_F(RealWorkerThreadTest, StoppedFromAnotherThreadRunsTheTasksPostedBeforeTheStop)
{
    std::promise<void> running;
    std::promise<void> release;
    worker.loop().post([&running, released = release.get_future().share()] {
        running.set_value();
        released.wait();
    });
    running.get_future().wait();
    std::atomic<bool> ran{false};
    worker.loop().post([&] { ran = true; });

    // Stopped while a task runs, with another waiting behind it.
    std::thread stopper([&] { worker.stop(); });
    release.set_value();
    stopper.join();
    EXPECT_TRUE(ran);
}

} // namespace
