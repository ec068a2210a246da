#include "foundation/Semaphore.h"

#include <gtest/gtest.h>

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

} // namespace
