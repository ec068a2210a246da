#include "foundation/VirtualTime.h"
#include "rx/MainLoopScheduling.h"
#include "rx/Subject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SubjectTest, CurrentValueSubjectReplaysThenDeliversInSubscriptionOrder)
{
    rx::CurrentValueSubject<int> subject(1);
    std::vector<std::string> seen;
    auto a = subject.publisher().sink([&](int v) { seen.push_back("a" + std::to_string(v)); });
    auto b = subject.publisher().sink([&](int v) { seen.push_back("b" + std::to_string(v)); });
    subject.send(2);
    EXPECT_EQ(seen, (std::vector<std::string>{"a1", "b1", "a2", "b2"}));
    EXPECT_EQ(subject.value(), 2);
}

TEST(SubjectTest, DropFirstThenRemoveDuplicatesDeliversTheFirstLaterValueEvenIfEqual)
{
    struct Case {
        std::vector<int> sends;
        std::vector<int> expected;
    };
    const std::vector<Case> cases = {
        {{0, 0, 1, 1, 0}, {0, 1, 0}}, // the first later value passes although it equals the current one
        {{}, {}},
        {{3}, {3}},
    };
    for (const auto& c : cases) {
        rx::CurrentValueSubject<int> subject(0);
        std::vector<int> seen;
        auto token = subject.publisher().dropFirst().removeDuplicates().sink([&](int v) { seen.push_back(v); });
        for (int v : c.sends)
            subject.send(v);
        EXPECT_EQ(seen, c.expected);
    }
}

TEST(SubjectTest, OperatorMemoryIsPerSubscription)
{
    rx::CurrentValueSubject<int> subject(0);
    auto deduplicated = subject.publisher().removeDuplicates();
    std::vector<int> first, second;
    auto a = deduplicated.sink([&](int v) { first.push_back(v); });
    subject.send(5);
    auto b = deduplicated.sink([&](int v) { second.push_back(v); });
    subject.send(5);
    EXPECT_EQ(first, (std::vector<int>{0, 5}));
    EXPECT_EQ(second, (std::vector<int>{5}));
}

TEST(SubjectTest, SubscriberMayCancelItselfSendAndSubscribeDuringDelivery)
{
    rx::PassthroughSubject<int> subject;
    rx::CurrentValueSubject<int> other(0);
    std::vector<int> seen;
    rx::Cancellable self;
    rx::Cancellable late;
    self = subject.publisher().sink([&](int v) {
        seen.push_back(v);
        self.cancel();
        other.send(v * 10); // re-entrant send on another subject
        late = subject.publisher().sink([&](int w) { seen.push_back(-w); });
    });
    auto otherToken = other.publisher().dropFirst().sink([&](int v) { seen.push_back(v); });
    subject.send(1);
    subject.send(2);
    EXPECT_EQ(seen, (std::vector<int>{1, 10, -2}));
}

TEST(SubjectTest, CancellingOneSubscriberDuringDeliverySkipsItForTheRestOfThatValue)
{
    rx::PassthroughSubject<int> subject;
    std::vector<int> seen;
    rx::Cancellable second;
    auto first = subject.publisher().sink([&](int) { second.cancel(); });
    second = subject.publisher().sink([&](int v) { seen.push_back(v); });
    subject.send(1);
    EXPECT_TRUE(seen.empty());
}

TEST(SubjectTest, CombineLatestWaitsForEverySourceThenEmitsOnEachChange)
{
    rx::CurrentValueSubject<bool> a(false);
    rx::PassthroughSubject<int> b;
    rx::CurrentValueSubject<std::string> c("x");
    std::vector<std::tuple<bool, int, std::string>> seen;
    auto token = rx::combineLatest(a.publisher(), b.publisher(), c.publisher()).sink([&](const auto& t) {
        seen.push_back(t);
    });
    EXPECT_TRUE(seen.empty());
    b.send(1);
    a.send(true);
    c.send("y");
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_tuple(false, 1, std::string("x")));
    EXPECT_EQ(seen[2], std::make_tuple(true, 1, std::string("y")));
    token.cancel();
    a.send(false);
    EXPECT_EQ(seen.size(), 3u);
}

TEST(SubjectTest, MapAndFilterTransformInOrder)
{
    rx::CurrentValueSubject<int> subject(1);
    std::vector<std::string> seen;
    auto token = subject.publisher()
                     .filter([](int v) { return v % 2 == 1; })
                     .map([](int v) { return std::to_string(v * 2); })
                     .sink([&](const std::string& s) { seen.push_back(s); });
    subject.send(2);
    subject.send(3);
    EXPECT_EQ(seen, (std::vector<std::string>{"2", "6"}));
}

TEST(SubjectTest, NothingArrivesOnMainAfterCancelling)
{
    foundation::VirtualTime time;
    rx::PassthroughSubject<int> subject;
    int count = 0;
    auto token = rx::receiveOnMain(subject.publisher()).sink([&](int) { ++count; });
    subject.send(1);
    token.cancel();
    time.runUntilIdle();
    EXPECT_EQ(count, 0);
}

} // namespace
