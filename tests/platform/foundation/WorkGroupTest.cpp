#include "foundation/RunLoop.h"
#include "foundation/VirtualTime.h"
#include "foundation/WorkGroup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using foundation::WorkGroup;

class WorkGroupTest : public ::testing::Test {
protected:
    // Records what ran, with the seconds since the test began.
    std::function<void()> note(std::string what)
    {
        return [this, what] { ran.push_back(what + "@" + std::to_string(time.now() - start)); };
    }

    foundation::VirtualTime time;
    const foundation::Seconds start = time.now();
    WorkGroup group;
    std::vector<std::string> ran;
};

TEST_F(WorkGroupTest, AWaitOnAnEmptyGroupContinuesOnTheNextTurn)
{
    group.notify(1.5, note("then"));
    EXPECT_TRUE(ran.empty());
    time.runUntilIdle();
    EXPECT_EQ(ran, (std::vector<std::string>{"then@0.000000"}));
}

TEST_F(WorkGroupTest, AWaitContinuesWhenTheWorkEndsOrAtItsLimitWhicheverComesFirst)
{
    group.enter();
    group.notify(1.5, note("early"));
    group.notify(0.5, note("limited"));
    time.advance(1.0);
    // What the ending work posts goes before the continuations it releases.
    foundation::RunLoop::main().post(note("work"));
    group.leave();
    time.advance(5.0);
    EXPECT_EQ(ran, (std::vector<std::string>{"limited@0.500000", "work@1.000000", "early@1.000000"}));
    EXPECT_TRUE(group.isEmpty());
}

TEST_F(WorkGroupTest, AGroupThatGoesAwayLetsItsWaitersGoOn)
{
    auto shortLived = std::make_unique<WorkGroup>();
    shortLived->enter();
    shortLived->notify(1.5, note("then"));
    shortLived.reset();
    time.advance(0.1);
    EXPECT_EQ(ran, (std::vector<std::string>{"then@0.000000"}));
}

TEST_F(WorkGroupTest, LeavingMoreOftenThanEnteringIsAProgrammingFault)
{
    EXPECT_DEATH(group.leave(), "a work group was left more often than entered");
}

} // namespace
