#include "foundation/Sleep.h"
#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SleepTest, UnderVirtualTimeTheOtherLoopsRunWhileTheCallersLoopWaits)
{
    foundation::VirtualTime time;
    auto worker = time.makeLoop("worker");
    std::vector<std::string> events;
    worker->scheduleTimer(0.05, true, [&](foundation::Timer&) { events.push_back("worker " + std::to_string(time.now())); });
    time.mainLoop().post([&] { events.push_back("main task"); });
    const foundation::Seconds start = time.now();

    foundation::sleepFor(0.12);

    EXPECT_DOUBLE_EQ(time.now(), start + 0.12);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].rfind("worker", 0), 0u);
    time.runUntilIdle();
    EXPECT_EQ(events.back(), "main task");
}

TEST(SleepTest, ANestedVirtualTimeGivesSleepingBackToTheOuterOne)
{
    foundation::VirtualTime outer;
    {
        foundation::VirtualTime inner;
        foundation::sleepFor(1.0);
        EXPECT_DOUBLE_EQ(inner.now(), 1001.0);
    }
    foundation::RunLoop::setMain(&outer.mainLoop());
    foundation::sleepFor(2.0);
    EXPECT_DOUBLE_EQ(outer.now(), 1002.0);
}

} // namespace
