#include "foundation/Semaphore.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(SemaphoreTest, AWaitTakesOneSignalAndGivesUpWithoutOne)
{
    foundation::Semaphore semaphore;
    semaphore.signal();
    EXPECT_TRUE(semaphore.wait(0.0));
    EXPECT_FALSE(semaphore.wait(0.0));

    foundation::Semaphore counted(2);
    counted.wait();
    EXPECT_TRUE(counted.wait(0.0));
    EXPECT_FALSE(counted.wait(0.0));
}

TEST(SemaphoreThreadingTest, ASignalFromAnotherThreadReleasesTheWaiter)
{
    foundation::Semaphore request;
    foundation::Semaphore answer;
    int value = 0;
    std::thread other([&] {
        request.wait();
        value = 42;
        answer.signal();
    });
    request.signal();
    answer.wait();
    EXPECT_EQ(value, 42);
    other.join();
}

} // namespace
