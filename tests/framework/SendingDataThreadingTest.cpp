#include "Internal/Model/SendingData.h"

#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace tolvane;
using Mount = MountActionOfTransmissionValue;

// The encoder copies the record on the send thread while the main loop writes it.
TEST(SendingDataThreadingTest, ReadersOnAnotherThreadSeeOnlyWholeRecords)
{
    foundation::VirtualTime time;
    SendingData data;
    data.updateOperationData({.disp = BtMekDspId::def, .dispMountAction = Mount::unmount,
                              .smpcnt = 0, .smpcntMountAction = Mount::unmount});
    std::atomic<bool> done = false;
    std::atomic<int> torn = 0;
    std::thread reader([&] {
        while (!done) {
            const SmpOperation record = data.operation();
            if (record.x != record.y || record.y != record.smpcnt)
                ++torn;
        }
    });
    for (uint32_t n = 1; n <= 20000; ++n)
        data.updateOperationData({.x = n, .y = n, .smpcnt = n});
    done = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}

} // namespace
