#include "foundation/Semaphore.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

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
