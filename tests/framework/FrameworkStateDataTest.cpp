#include "Internal/Model/ConnectionData.h"
#include "Internal/Model/SdkStateData.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::Recorder;

TEST(SdkStateDataTest, PublishesOnlyChangesMadeAfterSubscribing)
{
    SdkStateData store;
    Recorder<SdkState> states(store.sdkState());
    EXPECT_TRUE(states.values.empty());
    store.setSdkState(SdkState::OPERATING);
    store.setSdkState(SdkState::OPERATING);
    EXPECT_EQ(states.values, std::vector{SdkState::OPERATING});
}

TEST(SdkStateDataTest, TimeoutIsLeftOnlyByAReset)
{
    SdkStateData store;
    Recorder<SdkState> states(store.sdkState());
    store.setSdkState(SdkState::TIMEOUT);
    store.setSdkState(SdkState::NOT_OPERATING);
    store.setSdkState(SdkState::OPERATING);
    store.setSdkState(SdkState::TIMEOUT);
    EXPECT_EQ(states.values, std::vector{SdkState::TIMEOUT});
    store.initParam();
    store.setSdkState(SdkState::OPERATING);
    EXPECT_EQ(states.values, (std::vector{SdkState::TIMEOUT, SdkState::NOT_OPERATING, SdkState::OPERATING}));
}

TEST(SdkStateDataTest, AResetReachesOnlySubscribersWhoseLastStateDiffers)
{
    SdkStateData store;
    Recorder<SdkState> early(store.sdkState());
    store.setSdkState(SdkState::OPERATING);
    store.setSdkState(SdkState::NOT_OPERATING);
    Recorder<SdkState> late(store.sdkState());
    store.initParam();
    EXPECT_EQ(early.values, (std::vector{SdkState::OPERATING, SdkState::NOT_OPERATING}));
    EXPECT_EQ(late.values, std::vector{SdkState::NOT_OPERATING}) << "the value dropped on subscribing does not count";
}

TEST(SdkStateDataTest, AResetKeepsTheBackgroundFlagAndDate)
{
    SdkStateData store;
    EXPECT_FALSE(store.isBackground().value());
    EXPECT_EQ(store.toBackgroundDate(), std::nullopt);
    store.isBackground().send(true);
    store.setToBackgroundDate(1234.5);
    store.initParam();
    EXPECT_TRUE(store.isBackground().value());
    EXPECT_EQ(store.toBackgroundDate(), 1234.5);
}

TEST(ConnectionDataTest, ReportsTheLinkDownUntilSet)
{
    ConnectionData connection;
    EXPECT_FALSE(connection.bluetoothSocketIsConnected());
    connection.setBluetoothSocketIsConnected(true);
    EXPECT_TRUE(connection.bluetoothSocketIsConnected());
}

} // namespace
