#include "Internal/Model/CautionData.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace tolvane;
using C = InternalCause;

TEST(CautionDataThreadingTest, TheTopCauseCanBeReadWhileTheListChanges)
{
    CautionData store;
    std::atomic<bool> done{false};
    std::atomic<int> invalid{0};
    std::thread reader([&] {
        while (!done.load()) {
            const auto top = store.topCause();
            if (top && !displayId(*top))
                ++invalid;
        }
    });
    const auto& causes = foundation::allCases<C>();
    for (int round = 0; round < 200; ++round) {
        for (C cause : causes)
            store.addCause(cause);
        for (C cause : causes)
            store.removeCause(cause);
        store.initParam();
    }
    done.store(true);
    reader.join();
    EXPECT_EQ(invalid.load(), 0);
}

} // namespace
