#include "network/PathMonitor.h"
#include "network/SettableNetworkPath.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Status = network::PathMonitor::Status;

TEST(PathMonitorTest, OnlyARunningMonitorOnAReachableNetworkIsSatisfied)
{
    auto path = std::make_shared<network::SettableNetworkPath>(true);
    network::PathMonitor monitor(path);
    EXPECT_EQ(monitor.currentPathStatus(), Status::unsatisfied) << "not started";
    monitor.start();
    EXPECT_EQ(monitor.currentPathStatus(), Status::satisfied);
    path->setSatisfied(false);
    EXPECT_EQ(monitor.currentPathStatus(), Status::unsatisfied);
    path->setSatisfied(true);
    monitor.cancel();
    EXPECT_EQ(monitor.currentPathStatus(), Status::unsatisfied) << "cancelled";
}

} // namespace
