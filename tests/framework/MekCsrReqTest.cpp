#include "Internal/Model/MekCsrReq.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using namespace tolvane;
using enum BtMekDspId;

MekCsrReq request(BtMekDspId id, int64_t MEKCTRMD = 0, int64_t MEKTGTMD = 0)
{
    return MekCsrReq{.MEKDSPID = id, .MEKCTRMD = MEKCTRMD, .MEKTGTMD = MEKTGTMD};
}

TEST(MekCsrReqTest, TheDefaultRecordShowsNothing)
{
    const MekCsrReq record;
    EXPECT_TRUE(record.isAllDefault());
    EXPECT_EQ(record.MEKCNT, 25);
    EXPECT_EQ(record.obstacleParkIn(), std::nullopt);
    EXPECT_EQ(record.obstacleForwardBackward(), std::nullopt);
    EXPECT_EQ(record.moveParkInDirection(), std::nullopt);
    EXPECT_EQ(record.moveParkOutDirection(), std::nullopt);
    EXPECT_EQ(record.recommendedParkInDirection(), std::nullopt);
    EXPECT_EQ(record.recommendedForwardBackwardDirection(), std::nullopt);
    EXPECT_EQ(record.controllableParkOutDirections(), std::nullopt);
    EXPECT_EQ(record.controllableForwardBackwardDirections(), std::nullopt);
    EXPECT_EQ(record.operateDirection(), std::nullopt);
    EXPECT_EQ(record.isFowabackDisruption(), std::nullopt);
    EXPECT_EQ(record.showDirectionChangeButton(), OperateReq::HIDDEN);
    EXPECT_EQ(record.showShowEndHalfwayButton(), OperateReq::HIDDEN);
    EXPECT_EQ(record.showShowInterruptButton(), OperateReq::HIDDEN);
}

TEST(MekCsrReqTest, AllDefaultIgnoresTheCounterItsCopiesAndTheFlags)
{
    const std::vector<std::pair<const char*, std::function<void(MekCsrReq&)>>> stillDefault = {
        {"MEKCNT", [](MekCsrReq& r) { r.MEKCNT = 3; }},
        {"SMPCNT", [](MekCsrReq& r) { r.SMPCNT = 3; }},
        {"SMPSUM", [](MekCsrReq& r) { r.SMPSUM = 3; }},
        {"remainDist", [](MekCsrReq& r) { r.remainDist = 3; }},
        {"checkSumAbnormal", [](MekCsrReq& r) { r.checkSumAbnormal = true; }},
        {"isCntFixing", [](MekCsrReq& r) { r.isCntFixing = true; }},
    };
    const std::vector<std::pair<const char*, std::function<void(MekCsrReq&)>>> notDefault = {
        {"MEKDSPID", [](MekCsrReq& r) { r.MEKDSPID = connect; }},
        {"MEKCTRMD", [](MekCsrReq& r) { r.MEKCTRMD = 1; }},
        {"MEKTGTMD", [](MekCsrReq& r) { r.MEKTGTMD = 1; }},
        {"MEKDIST", [](MekCsrReq& r) { r.MEKDIST = 1; }},
        {"MEKLR", [](MekCsrReq& r) { r.MEKLR = 1; }},
        {"MEKFB", [](MekCsrReq& r) { r.MEKFB = 1; }},
        {"MEKFRLR", [](MekCsrReq& r) { r.MEKFRLR = 1; }},
        {"encryptedMEKCNT", [](MekCsrReq& r) { r.encryptedMEKCNT = 1; }},
        {"MEKSUM", [](MekCsrReq& r) { r.MEKSUM = 1; }},
    };
    for (const auto& [field, change] : stillDefault) {
        MekCsrReq record;
        change(record);
        EXPECT_TRUE(record.isAllDefault()) << field;
    }
    for (const auto& [field, change] : notDefault) {
        MekCsrReq record;
        change(record);
        EXPECT_FALSE(record.isAllDefault()) << field;
    }
}

// What the display id alone shows; every display id not listed shows the first row.
struct DisplayViews {
    std::optional<bool> obstacleParkIn = std::nullopt;
    std::optional<bool> obstacleForwardBackward = std::nullopt;
    std::optional<MoveParkInDirection> moveParkIn = std::nullopt;
    std::optional<MoveParkOutDirection> moveParkOut = std::nullopt;
    std::optional<bool> fowabackDisruption = std::nullopt;
    OperateReq directionChange = OperateReq::HIDDEN;
    OperateReq endHalfway = OperateReq::HIDDEN;
    OperateReq interrupt = OperateReq::HIDDEN;
};

TEST(MekCsrReqTest, DisplayIdViewsFollowTheirTablesForEveryDisplayId)
{
    using R = OperateReq;
    using In = MoveParkInDirection;
    using Out = MoveParkOutDirection;
    const std::map<BtMekDspId, DisplayViews> listed = {
        {sel_parkin_parallel_backward, {.obstacleParkIn = false, .moveParkIn = In::PARALLEL_BACKWARD}},
        {sel_parkin_parallel_forward, {.obstacleParkIn = false, .moveParkIn = In::PARALLEL_FORWARD}},
        {sel_parkin_vertical, {.obstacleParkIn = false, .moveParkIn = In::VERTICAL}},
        {sel_parkin_obstacle_parallel_backward, {.obstacleParkIn = true, .moveParkIn = In::PARALLEL_BACKWARD}},
        {sel_parkin_obstacle_parallel_forward, {.obstacleParkIn = true, .moveParkIn = In::PARALLEL_FORWARD}},
        {sel_parkin_obstacle_vertical, {.obstacleParkIn = true, .moveParkIn = In::VERTICAL}},
        {sel_forward_backward, {.obstacleForwardBackward = false}},
        {sel_obstacle_forward_backward, {.obstacleForwardBackward = true}},
        {sel_parkout_parallel, {.moveParkOut = Out::PARALLEL}},
        {sel_parkout_vertical, {.moveParkOut = Out::VERTICAL}},
        {controlling_inpark, {.interrupt = R::DISABLE}},
        {controlling_outpark, {.endHalfway = R::DISABLE, .interrupt = R::DISABLE}},
        {controlling_fowaback, {.fowabackDisruption = false, .endHalfway = R::DISABLE, .interrupt = R::DISABLE}},
        {controlling_inpark_operation_disruption, {.interrupt = R::ENABLE}},
        {controlling_outpark_operation_disruption, {.endHalfway = R::ENABLE, .interrupt = R::ENABLE}},
        {controlling_fowaback_operation_disruption,
         {.fowabackDisruption = true, .directionChange = R::ENABLE, .endHalfway = R::ENABLE, .interrupt = R::ENABLE}},
    };
    for (BtMekDspId id : foundation::allCases<BtMekDspId>()) {
        const auto found = listed.find(id);
        const DisplayViews expected = found == listed.end() ? DisplayViews{} : found->second;
        // The bit fields must not matter to these views.
        const MekCsrReq record = request(id, 0xFF, 0xFF);
        const auto raw = foundation::rawValue(id);
        EXPECT_EQ(record.obstacleParkIn(), expected.obstacleParkIn) << raw;
        EXPECT_EQ(record.obstacleForwardBackward(), expected.obstacleForwardBackward) << raw;
        EXPECT_EQ(record.moveParkInDirection(), expected.moveParkIn) << raw;
        EXPECT_EQ(record.moveParkOutDirection(), expected.moveParkOut) << raw;
        EXPECT_EQ(record.isFowabackDisruption(), expected.fowabackDisruption) << raw;
        EXPECT_EQ(record.showDirectionChangeButton(), expected.directionChange) << raw;
        EXPECT_EQ(record.showShowEndHalfwayButton(), expected.endHalfway) << raw;
        EXPECT_EQ(record.showShowInterruptButton(), expected.interrupt) << raw;
    }
}

TEST(MekCsrReqTest, RecommendedDirectionsReadTheLowThreeBitsOfTheirOwnSelections)
{
    for (BtMekDspId id : {sel_parkin_parallel_backward, sel_parkin_parallel_forward, sel_parkin_obstacle_parallel_backward,
                          sel_parkin_obstacle_parallel_forward, sel_parkin_vertical, sel_parkin_obstacle_vertical}) {
        EXPECT_EQ(request(id, 0, 1).recommendedParkInDirection(), PlanParkInDirection::LEFT);
        EXPECT_EQ(request(id, 0, 2).recommendedParkInDirection(), PlanParkInDirection::RIGHT);
        EXPECT_EQ(request(id, 0, 0x0A).recommendedParkInDirection(), PlanParkInDirection::RIGHT);
        for (int64_t other : {0, 3, 4, 5, 6, 7, 0x08})
            EXPECT_EQ(request(id, 0, other).recommendedParkInDirection(), std::nullopt) << other;
        EXPECT_EQ(request(id, 0, 2).recommendedForwardBackwardDirection(), std::nullopt);
    }
    for (BtMekDspId id : {sel_forward_backward, sel_obstacle_forward_backward}) {
        EXPECT_EQ(request(id, 0, 2).recommendedForwardBackwardDirection(), PlanForwardBackwardDirection::FORWARD);
        EXPECT_EQ(request(id, 0, 5).recommendedForwardBackwardDirection(), PlanForwardBackwardDirection::BACKWARD);
        EXPECT_EQ(request(id, 0, 0x0D).recommendedForwardBackwardDirection(), PlanForwardBackwardDirection::BACKWARD);
        for (int64_t other : {0, 1, 3, 4, 6, 7})
            EXPECT_EQ(request(id, 0, other).recommendedForwardBackwardDirection(), std::nullopt) << other;
        EXPECT_EQ(request(id, 0, 1).recommendedParkInDirection(), std::nullopt);
    }
    for (int64_t mode : {0, 1, 2, 5})
        EXPECT_EQ(request(sel_parkout_parallel, 0, mode).recommendedParkInDirection(), std::nullopt);
}

TEST(MekCsrReqTest, ControllableDirectionsListTheSetBitsInAscendingOrder)
{
    using P = PlanParkOutDirection;
    using F = PlanForwardBackwardDirection;
    const std::vector<std::pair<int64_t, std::vector<P>>> parkOut = {
        {0x00, {}},
        {0x03, {}},
        {0xFC, {P::FORWARD_LEFT, P::FORWARD, P::FORWARD_RIGHT, P::BACKWARD_LEFT, P::BACKWARD, P::BACKWARD_RIGHT}},
        {0x84, {P::FORWARD_LEFT, P::BACKWARD_RIGHT}},
        {0x48, {P::FORWARD, P::BACKWARD}},
        {0x130, {P::FORWARD_RIGHT, P::BACKWARD_LEFT}},
    };
    for (BtMekDspId id : {sel_parkout_parallel, sel_parkout_vertical}) {
        for (const auto& [bits, directions] : parkOut)
            EXPECT_EQ(request(id, bits).controllableParkOutDirections(), directions) << bits;
        EXPECT_EQ(request(id, 0xFC).controllableForwardBackwardDirections(), std::nullopt);
    }
    const std::vector<std::pair<int64_t, std::vector<F>>> forwardBackward = {
        {0x00, {}}, {0x48, {F::FORWARD, F::BACKWARD}}, {0xB4, {}}, {0x08, {F::FORWARD}}, {0x40, {F::BACKWARD}},
    };
    for (BtMekDspId id : {sel_forward_backward, sel_obstacle_forward_backward}) {
        for (const auto& [bits, directions] : forwardBackward)
            EXPECT_EQ(request(id, bits).controllableForwardBackwardDirections(), directions) << bits;
        EXPECT_EQ(request(id, 0xFC).controllableParkOutDirections(), std::nullopt);
    }
    EXPECT_EQ(request(controlling_outpark, 0xFC).controllableParkOutDirections(), std::nullopt);
    EXPECT_EQ(request(sel_parkin_vertical, 0x48).controllableForwardBackwardDirections(), std::nullopt);
}

TEST(MekCsrReqTest, OperateDirectionCombinesBothHalvesWhateverTheDisplayId)
{
    using D = OperateDirection;
    const std::optional<D> none;
    // Rows: MEKLR 0 to 3; columns: MEKFB 0 to 3.
    const std::optional<D> table[4][4] = {
        {none, D::FORWARD, D::BACKWARD, none},
        {none, D::FORWARD_LEFT, D::BACKWARD_LEFT, none},
        {none, D::FORWARD_RIGHT, D::BACKWARD_RIGHT, none},
        {none, none, none, none},
    };
    for (BtMekDspId id : {def, controlling_inpark, stop_user_self}) {
        for (int64_t lr = 0; lr < 4; ++lr) {
            for (int64_t fb = 0; fb < 4; ++fb) {
                const MekCsrReq record{.MEKDSPID = id, .MEKLR = lr, .MEKFB = fb};
                EXPECT_EQ(record.operateDirection(), table[lr][fb]) << "MEKLR " << lr << ", MEKFB " << fb;
            }
        }
    }
    EXPECT_EQ((MekCsrReq{.MEKLR = 45, .MEKFB = 2}).operateDirection(), std::nullopt);
}

} // namespace
