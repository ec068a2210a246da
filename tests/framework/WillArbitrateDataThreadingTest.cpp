#include "Internal/Model/WillArbitrateData.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace tolvane;

// A race here is seen only by ThreadSanitizer, whose build runs the tests labelled `threads`.
TEST(WillArbitrateDataThreadingTest, TheReceiveBufferCanBeEmptiedWhileTheReceiveThreadAppends)
{
    WillArbitrateData store;
    std::thread receiver([&] {
        for (int chunk = 0; chunk < 20000; ++chunk)
            store.recivedDataBuffer().withLock([](foundation::Bytes& buffer) {
                buffer.push_back(0x01);
                if (buffer.size() > 64)
                    buffer.erase(buffer.begin(), buffer.begin() + 32);
            });
    });
    for (int reset = 0; reset < 2000; ++reset)
        store.initParam();
    receiver.join();
}

} // namespace
