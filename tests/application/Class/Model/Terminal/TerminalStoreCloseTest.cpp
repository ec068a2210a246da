#include "LinkTestBench.h"

namespace {

using link_testing::LinkTest;
using Strings = std::vector<std::string>;
using tolvane::CauseId;
using tolvane::RequiredDisplayId;

using TerminalStoreCloseTest = LinkTest;

TEST_F(TerminalStoreCloseTest, CloseTimerWithoutDelegateClosesAfterTenSecondsSilently)
{
    connect();
    store->closeTimerStart(std::nullopt, false);
    time.advance(9.9);
    EXPECT_TRUE(store->isConnected());
    time.advance(0.2);
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(store->targetTerminalUdid().has_value());
    EXPECT_TRUE(delegate->calls.empty());
    EXPECT_EQ(link->calls.back(), "disconnected");
    time.advance(0.5);
    EXPECT_EQ(store->terminal(), nullptr); // both streams ended, so the terminal was let go
    EXPECT_TRUE(unit->receive().size() > 0);
}

TEST_F(TerminalStoreCloseTest, CloseTimerWithDelegateReportsATimeOutWhileTheLinkIsUp)
{
    connect();
    store->closeTimerStart(2.0, true);
    time.advance(2.0);
    EXPECT_EQ(delegate->calls, (Strings{"closeDidTimeOut"}));
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(store->hasCloseTimer());
}

TEST_F(TerminalStoreCloseTest, CloseTimerWithDelegateReportsTheSessionEndWhenTheLinkIsAlreadyGone)
{
    connect();
    store->closeTerminal();
    store->closeTimerStart(1.0, true);
    time.advance(1.0);
    EXPECT_EQ(delegate->calls, (Strings{"sessionDidEnd"}));
}

TEST_F(TerminalStoreCloseTest, DepartureWithAPendingCloseTimerClosesAtOnceAndReportsTheEndOnce)
{
    connect();
    store->closeTimerStart(std::nullopt, true);
    unit->hangUp();
    time.advance(0.05);
    EXPECT_FALSE(store->isConnected());
    EXPECT_FALSE(store->hasCloseTimer());
    EXPECT_TRUE(logs.contains("Close terminal on notified EAAccessoryDidDisconnect."));
    time.advance(15.0);
    EXPECT_EQ(delegate->calls, (Strings{"sessionDidEnd"}));
}

TEST_F(TerminalStoreCloseTest, CloseWithoutATerminalCallsTheCompletionAtOnce)
{
    int completed = 0;
    store->close([&] { ++completed; });
    time.runUntilIdle();
    EXPECT_EQ(completed, 1);
}

TEST_F(TerminalStoreCloseTest, StreamsThatNeverEndAreForcedClosedOnTheirOwnThreadsAfterAboutThreeSeconds)
{
    connect();
    // Waited for without closing the terminal first, its streams never report their end.
    const auto session = store->terminal()->session();
    int completed = 0;
    store->close([&] { ++completed; });
    time.advance(2.8);
    EXPECT_EQ(completed, 0);
    EXPECT_TRUE(session->inputStream()->hasDelegate());
    time.advance(0.2);
    EXPECT_EQ(completed, 1);
    EXPECT_TRUE(logs.contains("Forced termination terminal socket(Input)."));
    EXPECT_TRUE(logs.contains("Forced termination terminal socket(Output)."));
    for (const std::shared_ptr<accessory::Stream>& stream : {std::shared_ptr<accessory::Stream>(session->inputStream()),
                                                            std::shared_ptr<accessory::Stream>(session->outputStream())}) {
        EXPECT_EQ(stream->status(), accessory::StreamStatus::closed);
        EXPECT_FALSE(stream->hasDelegate());
    }
    EXPECT_EQ(store->terminal(), nullptr);
}

TEST_F(TerminalStoreCloseTest, ShutdownForgetsTheTargetAndCompletesOnceTheStreamsEnded)
{
    connect();
    int completed = 0;
    store->shutdownTerminal([&] { ++completed; });
    EXPECT_FALSE(store->targetTerminalUdid().has_value());
    time.advance(0.5);
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(store->terminal(), nullptr);
    EXPECT_FALSE(logs.contains("Forced termination"));
}

struct FinishCase {
    const char* name;
    bool inBackground;
    std::optional<RequiredDisplayId> displayId;
    std::optional<CauseId> cause;
    bool backgroundCloses;
    bool noTransitionCloses;
};

class TerminalStoreFinishTest : public LinkTest, public ::testing::WithParamInterface<FinishCase> {};

TEST_P(TerminalStoreFinishTest, RunThatIsOverEndsTheLinkAfterThreeTenthsOfASecond)
{
    const FinishCase& c = GetParam();
    connect();
    store->isBackground = c.inBackground;
    store->backgroundClose(c.displayId, c.cause);
    EXPECT_EQ(sdk->finishRequests, c.backgroundCloses ? 1 : 0);
    EXPECT_EQ(store->isConnectionStop, c.backgroundCloses);
    time.advance(0.29);
    EXPECT_TRUE(store->isConnected());
    time.advance(0.02);
    EXPECT_EQ(store->isConnected(), !c.backgroundCloses);

    if (!store->isConnected())
        return;
    store->noTransitionClose(c.displayId, c.cause);
    EXPECT_EQ(sdk->finishRequests, c.noTransitionCloses ? 1 : 0);
    time.advance(0.31);
    EXPECT_EQ(store->isConnected(), !c.noTransitionCloses);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TerminalStoreFinishTest,
    ::testing::Values(
        FinishCase{"NothingGivenIsNoEnd", true, std::nullopt, std::nullopt, false, false},
        FinishCase{"ParkOutCompletedEnds", true, RequiredDisplayId::COMPLETE_PARK_OUT, std::nullopt, true, true},
        FinishCase{"ParkInCompletedEnds", true, RequiredDisplayId::COMPLETE_PARK_IN, CauseId::DEF, true, true},
        FinishCase{"ForegroundOnlyEndsWithoutTransition", false, RequiredDisplayId::COMPLETE_PARK_OUT, std::nullopt,
                   false, true},
        FinishCase{"StopByTheUserEnds", true, RequiredDisplayId::STOP, CauseId::USER_SELF, true, true},
        FinishCase{"StopOfTheSecondGroupWithoutAListedCauseGoesOn", true, RequiredDisplayId::STOP,
                   CauseId::LOW_BATTERY, false, false},
        FinishCase{"StopWithBrakeTimeOutEnds", true, RequiredDisplayId::STOP, CauseId::BREAK_TIMEOUT, true, true},
        FinishCase{"SystemCauseWithoutScreenEnds", true, RequiredDisplayId::DEF, CauseId::ABNORMAL_END, true, true},
        FinishCase{"SystemCheckBeforeParkOutEnds", true, RequiredDisplayId::START_PARK_OUT, CauseId::SYS_CONFIRM, true,
                   true},
        FinishCase{"HaltWithUserSelfGoesOn", true, RequiredDisplayId::HALT, CauseId::USER_SELF, false, false},
        FinishCase{"SystemScreenWithUserSelfGoesOn", true, RequiredDisplayId::DEF, CauseId::USER_SELF, false, false},
        // The battery-status cause is listed with category 10, which it never reaches: no end.
        FinishCase{"BatteryStatusWithoutScreenNeverEnds", true, RequiredDisplayId::DEF,
                   CauseId::ABNORMAL_BUTTERY_STATUS, false, false},
        FinishCase{"BatteryStatusStopNeverEnds", true, RequiredDisplayId::STOP, CauseId::ABNORMAL_BUTTERY_STATUS, false,
                   false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
