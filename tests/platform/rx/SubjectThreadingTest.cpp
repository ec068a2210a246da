#include "foundation/VirtualTime.h"
#include "rx/MainLoopScheduling.h"
#include "rx/Subject.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(SubjectThreadingTest, ValuesSentFromAnotherThreadReachTheMainLoopInOrder)
{
    foundation::VirtualTime time;
    rx::PassthroughSubject<int> subject;
    std::vector<int> seen;
    bool onMain = true;
    auto token = rx::receiveOnMain(subject.publisher()).sink([&](int v) {
        onMain = onMain && foundation::RunLoop::isMainThread();
        seen.push_back(v);
    });
    std::thread sender([&] {
        for (int i = 0; i < 100; ++i)
            subject.send(i);
    });
    sender.join();
    EXPECT_TRUE(seen.empty());
    time.runUntilIdle();
    ASSERT_EQ(seen.size(), 100u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(seen[i], i);
    EXPECT_TRUE(onMain);
}

} // namespace
