#include "vehicle-sim/Interruption.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using vehiclesim::InterruptionKind;
using vehiclesim::interruptionFor;
using vehiclesim::interruptionOnLinkLoss;
using vehiclesim::Manoeuvre;

TEST(InterruptionTest, ACauseIsSentInTheMessageFieldThePhoneReadsItFrom)
{
    struct Row {
        InterruptionKind kind;
        const char* cause;
        std::optional<BtMekDspId> request;
        std::optional<BtIdtDspId> verification;
    };
    const Row rows[] = {
        {InterruptionKind::halt, "OBSTACLE", BtMekDspId::halt_obstacle, std::nullopt},
        {InterruptionKind::halt, "BT_LOSS", BtMekDspId::halt_btloss, std::nullopt},
        {InterruptionKind::stop, "VEHICLE_FAIL_OUT", BtMekDspId::stop_vehicle_failout, std::nullopt},
        {InterruptionKind::stop, "BREAK_TIMEOUT", BtMekDspId::stop_brake_on_timeout, std::nullopt},
        {InterruptionKind::stop, "TIMEOUT_CONTROL", BtMekDspId::stop_timeout_control, std::nullopt},
        {InterruptionKind::stop, "SYS_INSPECT", std::nullopt, BtIdtDspId::ab_sys_inspect},
        {InterruptionKind::halt, "KEYS_NO_DETECT", std::nullopt, BtIdtDspId::ab_keys_nodetect},
    };
    for (const auto& row : rows) {
        const auto interruption = interruptionFor(row.kind, row.cause);
        ASSERT_TRUE(interruption) << row.cause;
        EXPECT_EQ(interruption->requestDisplayId, row.request) << row.cause;
        EXPECT_EQ(interruption->verificationDisplayId, row.verification) << row.cause;
    }
}

TEST(InterruptionTest, ALinkLostWhileDrivingHaltsForTheLostBluetooth)
{
    using Phase = Manoeuvre::Phase;
    EXPECT_FALSE(interruptionOnLinkLoss(Phase::selecting));
    EXPECT_FALSE(interruptionOnLinkLoss(Phase::completed));
    const auto interruption = interruptionOnLinkLoss(Phase::operating);
    ASSERT_TRUE(interruption);
    EXPECT_EQ(interruption->kind, InterruptionKind::halt);
    EXPECT_EQ(interruption->requestDisplayId, BtMekDspId::halt_btloss);
}

TEST(InterruptionTest, ACauseTheCarCannotSendThatWayIsRefused)
{
    EXPECT_FALSE(interruptionFor(InterruptionKind::halt, "VEHICLE_FAIL_OUT"));
    EXPECT_FALSE(interruptionFor(InterruptionKind::stop, "OBSTACLE"));
    EXPECT_FALSE(interruptionFor(InterruptionKind::stop, "NOT_A_CAUSE"));
    EXPECT_FALSE(interruptionFor(InterruptionKind::stop, ""));
}

} // namespace
