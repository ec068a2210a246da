#include "foundation/NotificationCenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using foundation::NotificationCenter;

TEST(NotificationCenterTest, PostReachesTheObserversOfItsNameInOrder)
{
    NotificationCenter center;
    std::vector<std::string> heard;
    auto first = center.addObserver("changed", [&] { heard.push_back("first"); });
    auto other = center.addObserver("other", [&] { heard.push_back("other"); });
    auto second = center.addObserver("changed", [&] { heard.push_back("second"); });
    center.post("changed");
    EXPECT_EQ(heard, (std::vector<std::string>{"first", "second"}));
}

TEST(NotificationCenterTest, DroppedOrReplacedObservationHearsNothingMore)
{
    NotificationCenter center;
    int heard = 0;
    auto observation = center.addObserver("changed", [&] { ++heard; });
    observation = center.addObserver("changed", [&] { heard += 10; });
    center.post("changed");
    observation.reset();
    center.post("changed");
    EXPECT_EQ(heard, 10);
}

TEST(NotificationCenterTest, ObserverMayStopObservingWhileItIsNotified)
{
    NotificationCenter center;
    int heard = 0;
    NotificationCenter::Observation observation;
    observation = center.addObserver("changed", [&] {
        ++heard;
        observation.reset();
    });
    center.post("changed");
    center.post("changed");
    EXPECT_EQ(heard, 1);
}

TEST(NotificationCenterTest, AnObserverEndedByAnEarlierOneDuringANoticeIsNotCalledByIt)
{
    NotificationCenter center;
    std::vector<std::string> heard;
    NotificationCenter::Observation later;
    NotificationCenter::Observation added;
    auto first = center.addObserver("changed", [&] {
        heard.push_back("first");
        later.reset();
        added = center.addObserver("changed", [&] { heard.push_back("added"); });
    });
    later = center.addObserver("changed", [&] { heard.push_back("later"); });
    center.post("changed");
    EXPECT_EQ(heard, std::vector<std::string>{"first"});
    first.reset();
    center.post("changed");
    EXPECT_EQ(heard, (std::vector<std::string>{"first", "added"}));
}

} // namespace
