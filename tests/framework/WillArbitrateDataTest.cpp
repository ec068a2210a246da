#include "Internal/Model/WillArbitrateData.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using testing_support::Recorder;

struct Delivery {
    bool isCntFixing;
    bool isUpdateLastTenCounter;
    bool isUpdateCounter;
    bool operator==(const Delivery&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Delivery& d)
{
    return out << "{fixing " << d.isCntFixing << ", lastTen " << d.isUpdateLastTenCounter << ", moved " << d.isUpdateCounter
               << "}";
}

TEST(WillArbitrateDataTest, JudgesTheCounterAsEachRequestIsDelivered)
{
    struct Row {
        const char* name;
        std::vector<int64_t> counters;
        std::vector<Delivery> deliveries;
        size_t windowAfter;
    };
    constexpr Delivery first{false, false, false};
    const std::vector<Row> rows = {
        {"the first record after a reset has nothing to compare with", {7}, {first}, 0},
        {"an unmoved counter is fixing", {7, 7}, {first, {true, false, false}}, 1},
        {"three moves count as updating",
         {1, 2, 3, 4},
         {first, {false, false, true}, {false, false, true}, {false, true, true}},
         3},
        {"the window keeps the last ten transitions",
         {0, 1, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3},
         {first, {false, false, true}, {false, false, true}, {false, true, true}, {true, true, true}, {true, true, true},
          {true, true, true}, {true, true, true}, {true, true, true}, {true, true, true}, {true, true, true},
          {true, false, true}},
         10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WillArbitrateData store;
        std::vector<Delivery> deliveries;
        auto subscription = store.req().sink([&](const MekCsrReq& req) {
            deliveries.push_back({req.isCntFixing, store.isUpdateLastTenCounter(), store.isUpdateCounter()});
        });
        for (int64_t counter : row.counters)
            store.updateCsrRequestData(MekCsrReq{.MEKCNT = counter, .isCntFixing = true});
        EXPECT_EQ(deliveries, row.deliveries);
        EXPECT_EQ(store.lastTenUpdateCounter().size(), row.windowAfter);
    }
}

TEST(WillArbitrateDataTest, SubscribersReceiveOnlyLaterRecords)
{
    WillArbitrateData store;
    store.updateVerificationData({.IDTDSPID = BtIdtDspId::ab_end, .IDTBTRQ = std::nullopt});
    Recorder<MekVerification> verifications(store.verification());
    Recorder<MekAbnormal> abnormals(store.abnormal());
    EXPECT_TRUE(verifications.values.empty());
    store.updateAbnormalData({.DCUIDTER = 1});
    EXPECT_EQ(abnormals.values, std::vector{MekAbnormal{.DCUIDTER = 1}});
}

TEST(WillArbitrateDataTest, AResetClearsEverythingAndSendsOneDefaultRecordOfEachKind)
{
    WillArbitrateData store;
    std::vector<std::string> order;
    auto s1 = store.detect().sink([&](const MekDetect&) { order.push_back("detect"); });
    auto s2 = store.verification().sink([&](const MekVerification&) { order.push_back("verification"); });
    std::optional<MekCsrReq> lastReq;
    auto s3 = store.req().sink([&](const MekCsrReq& r) {
        order.push_back("req");
        lastReq = r;
    });
    auto s4 = store.info().sink([&](const MekInfo&) { order.push_back("info"); });
    auto s5 = store.abnormal().sink([&](const MekAbnormal&) { order.push_back("abnormal"); });

    store.updateCsrRequestData({.MEKCNT = 1});
    store.updateCsrRequestData({.MEKCNT = 2});
    store.setWaitingInitialReceived(true);
    store.setIsReceivedParkOutFlag(true);
    store.setIsInterrupt(true);
    store.setIsForward(false);
    store.setIsProccesingToActivation(true);
    store.setHaltBackgroundFlg(true);
    store.recivedDataBuffer().withLock([](foundation::Bytes& buffer) { buffer = {0xC0, 0x00}; });
    order.clear();

    store.initParam();
    EXPECT_EQ(order, (std::vector<std::string>{"detect", "verification", "req", "info", "abnormal"}));
    EXPECT_EQ(lastReq, MekCsrReq());
    EXPECT_FALSE(store.waitingInitialReceived() || store.isReceivedParkOutFlag() || store.isUpdateCounter() ||
                 store.isInterrupt() || store.isProccesingToActivation() || store.haltBackgroundFlg());
    EXPECT_EQ(store.isForward(), std::nullopt);
    EXPECT_TRUE(store.lastTenUpdateCounter().empty());
    EXPECT_TRUE(store.recivedDataBuffer().copy().empty());

    bool firstAfterReset = true;
    auto s6 = store.req().sink([&](const MekCsrReq& r) { firstAfterReset = !r.isCntFixing; });
    store.updateCsrRequestData({});
    EXPECT_TRUE(firstAfterReset) << "the reset default record is no previous record";
}

} // namespace
