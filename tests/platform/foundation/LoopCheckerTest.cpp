#include "foundation/LoopChecker.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <thread>

namespace {

using foundation::LoopChecker;
using foundation::VirtualTime;

class LoopCheckerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!LoopChecker::isEnabled())
            GTEST_SKIP() << "this build does not check loops";
    }
};

// Runs `check` as a task of the worker loop "send", which the test thread pumps as the real send
// thread would run it.
void checkOnSendLoop(VirtualTime& time, const LoopChecker& checker)
{
    auto sendLoop = time.makeLoop("send");
    sendLoop->post([&checker] { checker.check("TerminalStore"); });
    time.runUntilIdle();
}

TEST_F(LoopCheckerTest, AMainLoopObjectPassesOnTheMainLoopAndStopsOnAWorkerLoop)
{
    VirtualTime time;
    LoopChecker checker;
    checker.check("TerminalStore");
    EXPECT_DEATH(checkOnSendLoop(time, checker),
                 "Fatal error: TerminalStore was called on the loop \"send\", not on the loop it belongs to: "
                 "file LoopCheckerTest.cpp, line [0-9]+");
}

TEST_F(LoopCheckerTest, AMainLoopObjectStopsOnAThreadWithoutALoop)
{
    VirtualTime time;
    LoopChecker checker;
    EXPECT_DEATH(std::thread([&checker] { checker.check("View"); }).join(),
                 "View was called on a thread without a run loop");
}

TEST_F(LoopCheckerTest, AWorkerLoopObjectPassesThereAndStopsOnTheMainLoop)
{
    VirtualTime time;
    auto sendLoop = time.makeLoop("send");
    std::optional<LoopChecker> checker;
    sendLoop->post([&] {
        checker.emplace();
        checker->check("PeriodicSendTask");
    });
    time.runUntilIdle();
    EXPECT_DEATH(checker->check("PeriodicSendTask"), "PeriodicSendTask was called on the loop \"main\"");
}

TEST_F(LoopCheckerTest, AMainLoopObjectOutlivesAReplacedMainLoop)
{
    std::optional<LoopChecker> checker;
    {
        VirtualTime first;
        checker.emplace();
    }
    VirtualTime second;
    checker->check("DataController");
    EXPECT_TRUE(checker->isBoundHere());
}

TEST_F(LoopCheckerTest, AnObjectMadeWithoutALoopIsBoundToItsThread)
{
    LoopChecker checker;
    EXPECT_TRUE(checker.isBoundHere());
    bool elsewhere = true;
    std::thread([&] { elsewhere = checker.isBoundHere(); }).join();
    EXPECT_FALSE(elsewhere);
}

} // namespace
