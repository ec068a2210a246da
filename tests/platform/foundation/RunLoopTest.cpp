#include "foundation/Clock.h"
#include "foundation/VirtualTime.h"
#include "foundation/WorkerThread.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <string>
#include <thread>
#include <vector>

namespace {

using foundation::Timer;
using foundation::VirtualTime;

TEST(RunLoopTest, TimersFireInDateOrderOnVirtualTime)
{
    VirtualTime time;
    auto& loop = time.mainLoop();
    std::vector<std::string> fired;
    const double start = time.now();
    auto record = [&](std::string name) {
        return [&, name](Timer&) { fired.push_back(name + "@" + std::to_string(time.now() - start).substr(0, 4)); };
    };
    auto c = loop.scheduleTimer(3.0, false, record("c"));
    auto a = loop.scheduleTimer(0.5, false, record("a"));
    auto b = loop.scheduleTimer(1.0, true, record("b"));
    time.advance(3.0);
    EXPECT_EQ(fired, (std::vector<std::string>{"a@0.50", "b@1.00", "b@2.00", "c@3.00", "b@3.00"}));
}

TEST(RunLoopTest, InvalidatedTimerNeverFiresAndReportsInvalid)
{
    VirtualTime time;
    int fired = 0;
    auto timer = time.mainLoop().scheduleTimer(1.0, false, [&](Timer&) { ++fired; });
    EXPECT_TRUE(timer->isValid());
    timer->invalidate();
    time.advance(5.0);
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(timer->isValid());
}

TEST(RunLoopTest, OneShotTimerIsInvalidAfterFiringAndRepeatingStopsWhenInvalidatedInsideItsBlock)
{
    VirtualTime time;
    int ticks = 0;
    auto once = time.mainLoop().scheduleTimer(0.1, false, [](Timer&) {});
    auto repeating = time.mainLoop().scheduleTimer(0.03, true, [&](Timer& t) {
        if (++ticks == 3)
            t.invalidate();
    });
    time.advance(1.0);
    EXPECT_FALSE(once->isValid());
    EXPECT_EQ(ticks, 3);
}

TEST(RunLoopTest, NonPositiveIntervalFiresOnTheNextTurn)
{
    VirtualTime time;
    bool fired = false;
    time.mainLoop().scheduleTimer(-2.0, false, [&](Timer&) { fired = true; });
    EXPECT_FALSE(fired);
    time.runUntilIdle();
    EXPECT_TRUE(fired);
}

TEST(RunLoopTest, FireRunsTheBlockAtOnce)
{
    VirtualTime time;
    int fired = 0;
    auto timer = time.mainLoop().scheduleTimer(10.0, false, [&](Timer&) { ++fired; });
    timer->fire();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(timer->isValid());
}

TEST(RunLoopTest, PostedTasksRunInOrderAndMayPostMore)
{
    VirtualTime time;
    std::vector<int> order;
    auto& loop = time.mainLoop();
    loop.post([&] {
        order.push_back(1);
        loop.post([&] { order.push_back(3); });
    });
    loop.post([&] { order.push_back(2); });
    time.runUntilIdle();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(RunLoopTest, WorkerLoopsShareVirtualTimeAndKnowTheirCurrentLoop)
{
    VirtualTime time;
    auto worker = time.makeLoop("worker");
    std::vector<std::string> fired;
    worker->scheduleTimer(0.05, true, [&](Timer&) {
        fired.push_back(foundation::RunLoop::current() == worker.get() ? "worker" : "wrong");
    });
    time.mainLoop().scheduleTimer(0.075, false, [&](Timer&) {
        fired.push_back(foundation::RunLoop::current() == &foundation::RunLoop::main() ? "main" : "wrong");
    });
    time.advance(0.1);
    EXPECT_EQ(fired, (std::vector<std::string>{"worker", "main", "worker"}));
}

// A started worker thread on real time, with the Qt application its event loop needs.
class WorkerThreadingTest : public ::testing::Test {
protected:
    WorkerThreadingTest() { worker.start(); }

    int argc = 0;
    QCoreApplication app{argc, nullptr};
    foundation::SystemClock clock;
    foundation::WorkerThread worker{"com.tolvane.control.data_transmission", 1.0, clock};
};

TEST_F(WorkerThreadingTest, PostedTasksAndTimersRunOnTheThreadItself)
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

TEST_F(WorkerThreadingTest, StoppedFromAnotherThreadItRunsTheTasksPostedBeforeTheStop)
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
