#include "Internal/Model/SendingData.h"

#include "foundation/VirtualTime.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using Mount = MountActionOfTransmissionValue;

class SendingDataTest : public ::testing::Test {
protected:
    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    SendingData data;
};

TEST_F(SendingDataTest, StartsWithTheDefaultRecordAndNoTouch)
{
    EXPECT_EQ(data.operation(), SmpOperation());
    EXPECT_EQ(data.operation().btid, BtId::operation);
    EXPECT_EQ(data.lastOperationTime(), std::nullopt);
    EXPECT_FALSE(data.isActOn());
}

TEST_F(SendingDataTest, WritesOnlyTheGivenValues)
{
    data.updateOperationData({.act = BtSmpAct::on, .btn = BtSmpBtn::longpress, .sel = BtSmpSelMd::parkplan3});
    data.updateOperationData({.x = 5});
    const SmpOperation record = data.operation();
    EXPECT_EQ(record, (SmpOperation{.act = BtSmpAct::on, .x = 5, .btn = BtSmpBtn::longpress, .sel = BtSmpSelMd::parkplan3}));
    EXPECT_TRUE(data.isActOn());
    data.updateOperationData({.act = BtSmpAct::off});
    EXPECT_FALSE(data.isActOn());
}

// The echoed display id and the counter start pinned at def and 0, so plain updates cannot change
// them until the first mount or unmount.
TEST_F(SendingDataTest, PinnedValuesStartAtDefAndZero)
{
    data.updateOperationData({.act = BtSmpAct::on, .x = 5, .y = 5});
    data.updateOperationData({.disp = BtMekDspId::resume, .smpcnt = 7});
    EXPECT_EQ(data.operation().disp, BtMekDspId::def);
    EXPECT_EQ(data.operation().smpcnt, 0u);
    EXPECT_EQ(data.lastOperationTime(), time.now());
}

TEST_F(SendingDataTest, MountActionsDecideWhichDisplayIdIsSent)
{
    struct Step {
        std::optional<BtMekDspId> disp;
        Mount action;
        BtMekDspId sent;
    };
    using enum BtMekDspId;
    const std::vector<std::pair<const char*, std::vector<Step>>> cases = {
        {"unmount lets given ids through",
         {{resume, Mount::keep, def}, {resume, Mount::unmount, resume}, {controlling_inpark, Mount::keep, controlling_inpark},
          {std::nullopt, Mount::keep, controlling_inpark}}},
        {"a mounted id wins over given ones",
         {{halt_background, Mount::mount, halt_background}, {controlling_inpark, Mount::keep, halt_background},
          {std::nullopt, Mount::keep, halt_background}}},
        {"mounting nothing clears the pin and leaves the field",
         {{halt_background, Mount::mount, halt_background}, {std::nullopt, Mount::mount, halt_background},
          {resume, Mount::keep, resume}}},
        {"a later mount replaces the pin",
         {{halt_background, Mount::mount, halt_background}, {resume, Mount::mount, resume}, {arrival, Mount::keep, resume}}},
    };
    for (const auto& [name, steps] : cases) {
        data.initParam();
        for (size_t i = 0; i < steps.size(); ++i) {
            data.updateOperationData({.disp = steps[i].disp, .dispMountAction = steps[i].action});
            EXPECT_EQ(data.operation().disp, steps[i].sent) << name << ", step " << i;
        }
    }
}

TEST_F(SendingDataTest, MountActionsDecideWhichCounterIsSent)
{
    data.updateOperationData({.smpcnt = 25, .smpcntMountAction = Mount::mount});
    data.updateOperationData({.smpcnt = 30});
    EXPECT_EQ(data.operation().smpcnt, 25u);
    data.updateOperationData({.smpcnt = 30, .smpcntMountAction = Mount::unmount});
    EXPECT_EQ(data.operation().smpcnt, 30u);
    data.updateOperationData({.smpcnt = 31});
    EXPECT_EQ(data.operation().smpcnt, 31u);
    // Pinning the display id leaves the counter's pin alone and the other way round.
    data.updateOperationData({.disp = BtMekDspId::resume, .dispMountAction = Mount::mount, .smpcnt = 32});
    EXPECT_EQ(data.operation().smpcnt, 32u);
    EXPECT_EQ(data.operation().disp, BtMekDspId::resume);
}

TEST_F(SendingDataTest, StampsATouchOnlyWhenAFullPointLeavesTheOrigin)
{
    struct Case {
        const char* name;
        std::pair<uint32_t, uint32_t> from;
        OperationDataUpdate update;
        bool stamped;
    };
    const std::vector<Case> cases = {
        {"origin to (0, 7)", {0, 0}, {.x = 0, .y = 7}, true},
        {"origin to (7, 0)", {0, 0}, {.x = 7, .y = 0}, true},
        {"moving away from a point", {3, 4}, {.x = 5, .y = 6}, false},
        {"origin to origin", {0, 0}, {.x = 0, .y = 0}, false},
        {"x alone", {0, 0}, {.x = 7}, false},
        {"y alone", {0, 0}, {.y = 7}, false},
    };
    for (const Case& c : cases) {
        data.initParam();
        data.updateOperationData({.x = c.from.first, .y = c.from.second});
        const auto before = data.lastOperationTime();
        time.advance(1.5);
        data.updateOperationData(c.update);
        if (c.stamped)
            EXPECT_EQ(data.lastOperationTime(), time.now()) << c.name;
        else
            EXPECT_EQ(data.lastOperationTime(), before) << c.name;
    }
}

TEST_F(SendingDataTest, ReturningToTheOriginKeepsTheStampUntilTheNextTouch)
{
    data.updateOperationData({.x = 10, .y = 20});
    const double touched = time.now();
    time.advance(2.0);
    data.updateOperationData({.x = 0, .y = 0});
    EXPECT_EQ(data.lastOperationTime(), touched);
    time.advance(2.0);
    data.updateOperationData({.x = 1, .y = 1});
    EXPECT_EQ(data.lastOperationTime(), touched + 4.0);
}

TEST_F(SendingDataTest, InitParamRestoresTheStateAtCreation)
{
    data.updateOperationData({.act = BtSmpAct::on, .x = 9, .y = 9, .btn = BtSmpBtn::start, .sel = BtSmpSelMd::parkplan6,
                              .disp = BtMekDspId::resume, .dispMountAction = Mount::mount,
                              .smpcnt = 40, .smpcntMountAction = Mount::unmount});
    data.initParam();
    EXPECT_EQ(data.operation(), SmpOperation());
    EXPECT_EQ(data.lastOperationTime(), std::nullopt);
    data.updateOperationData({.disp = BtMekDspId::arrival, .smpcnt = 41});
    EXPECT_EQ(data.operation().disp, BtMekDspId::def);
    EXPECT_EQ(data.operation().smpcnt, 0u);
}

} // namespace
