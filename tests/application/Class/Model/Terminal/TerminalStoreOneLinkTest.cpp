#include "LinkTestBench.h"

#include "foundation/Timer.h"

namespace {

using link_testing::LinkTest;
using Pattern = tolvane::app::TerminalStore::ConnectionOpenPattern;
using Strings = std::vector<std::string>;

constexpr const char* kSkippedCycle = "PeriodicSendTask already exists. Method startCycle was skipped.";

// Every road that closes, replaces or gives up a link must leave the next open a link that carries
// frames to the unit, with one session and one send cycle bound to it.
class TerminalStoreOneLinkTest : public LinkTest {
protected:
    // How many whole frames the unit reads in the next five cycles, on the connection it took last.
    size_t framesOverFiveCycles()
    {
        unit->receive();
        time.advance(0.25);
        const auto bytes = unit->receive();
        EXPECT_EQ(bytes.size() % 14, 0u);
        return bytes.size() / 14;
    }
    int count(const std::string& message)
    {
        int n = 0;
        for (const auto& line : logs.messages())
            n += line == message;
        return n;
    }
};

TEST_F(TerminalStoreOneLinkTest, SecondRegistrationAttemptClosesTheFirstLinkAndSendsOnTheNewOne)
{
    connect();
    // Back from the naming screen with the link still open, the user picks the unit again.
    store->refreshTerminalList();
    ASSERT_EQ(store->terms().size(), 1u);
    store->setTerminal(store->terms().front());
    EXPECT_EQ(count("Close terminal."), 1); // the first session is let go, not left behind
    store->open(kUnit, Pattern::registration, 60);
    time.advance(0.02);

    EXPECT_TRUE(store->isConnected());
    EXPECT_EQ(unit->accepted(), 2);
    EXPECT_GE(framesOverFiveCycles(), 4u);
    EXPECT_FALSE(logs.contains(kSkippedCycle));
}

struct ReopenCase {
    const char* name;
    double reopenAfter; // seconds after the shutdown
};

class TerminalStoreReopenAfterShutdownTest : public TerminalStoreOneLinkTest,
                                             public ::testing::WithParamInterface<ReopenCase> {};

TEST_P(TerminalStoreReopenAfterShutdownTest, QuickReopenKeepsItsLinkWhileTheOldOneIsWaitedFor)
{
    connect();
    int completed = 0;
    store->shutdownTerminal([&] { ++completed; });
    time.advance(GetParam().reopenAfter);
    store->open(kUnit, Pattern::first, 0);
    time.advance(0.02);
    ASSERT_TRUE(store->isConnected());

    time.advance(3.5); // past the longest wait for the old streams
    EXPECT_EQ(completed, 1);
    EXPECT_TRUE(store->isConnected());
    EXPECT_FALSE(logs.contains("Forced termination terminal socket(Input)."));
    EXPECT_GE(framesOverFiveCycles(), 4u);
    EXPECT_FALSE(logs.contains(kSkippedCycle));
}

INSTANTIATE_TEST_SUITE_P(Delays, TerminalStoreReopenAfterShutdownTest,
                         ::testing::Values(ReopenCase{"InTheSameTurn", 0.0}, ReopenCase{"After50ms", 0.05},
                                           ReopenCase{"After150ms", 0.15}, ReopenCase{"After400ms", 0.4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TerminalStoreOneLinkTest, ReopenWhileAnEarlierCloseWaitsLeavesTheNewLinkToItsOwner)
{
    connect();
    // A close sequence (here the close timer's) waits on the terminal it closed, not on the next one.
    store->closeTimerStart(0.1, false);
    time.advance(0.1);
    ASSERT_FALSE(store->isConnected());
    store->open(kUnit, Pattern::first, 0);
    time.advance(3.5);
    EXPECT_TRUE(store->isConnected());
    EXPECT_GE(framesOverFiveCycles(), 4u);
}

TEST_F(TerminalStoreOneLinkTest, CloseInTheTurnOfASuccessfulOpenLeavesNoCycleForTheNextOpen)
{
    store->open(kUnit, Pattern::first, 0);
    store->closeTerminal();
    time.advance(0.5);
    EXPECT_FALSE(store->hasPeriodicSendTask());
    EXPECT_EQ(link->calls.back(), "disconnected"); // the link is not reported up after its close

    store->open(kUnit, Pattern::first, 0);
    time.advance(0.02);
    EXPECT_GE(framesOverFiveCycles(), 4u);
    EXPECT_FALSE(logs.contains(kSkippedCycle));
}

TEST_F(TerminalStoreOneLinkTest, CancelledOpenMakesNoAttemptOnATickAlreadyUnderWay)
{
    store->open("LATE", Pattern::first, 1);
    // Due with the retry's tick, after it: the tick has queued its attempt when the user gives up.
    auto cancel = foundation::RunLoop::main().scheduleTimer(1.0, false, [&](foundation::Timer&) { store->cancelOpen(); });
    testing_support::ListeningUnitSocket late(folderPath(), "LATE");
    time.advance(5.0);

    EXPECT_EQ(count("Retry open."), 0);
    EXPECT_EQ(delegate->calls, (Strings{"willStart"})); // no "open failed" for the next screen
    EXPECT_FALSE(late.accept()); // no link was opened to it
    EXPECT_FALSE(store->hasPeriodicSendTask());
}

TEST_F(TerminalStoreOneLinkTest, OpenWhileAnOpenIsInFlightMakesNoSecondSession)
{
    store->open(kUnit, Pattern::first, 0);
    ASSERT_FALSE(store->isConnected()); // its streams open on their threads
    EXPECT_TRUE(store->isOpening());
    store->open(kUnit, Pattern::first, 0);
    EXPECT_EQ(count("Cannot open Terminal because it is opening."), 1);
    time.advance(0.02);

    EXPECT_EQ(unit->accepted(), 1);
    EXPECT_EQ(count("Successfully open terminal."), 1);
    EXPECT_TRUE(store->isConnected());
    EXPECT_FALSE(store->isOpening());
    EXPECT_GE(framesOverFiveCycles(), 4u);
}

TEST_F(TerminalStoreOneLinkTest, FailedOpenDoesNotBlockTheNextOne)
{
    unit.reset();
    store->open(kUnit, Pattern::first, 0);
    EXPECT_FALSE(store->isOpening());
    replaceUnit();
    store->open(kUnit, Pattern::first, 0);
    time.advance(0.02);
    EXPECT_TRUE(store->isConnected());
    EXPECT_GE(framesOverFiveCycles(), 4u);
}

} // namespace
