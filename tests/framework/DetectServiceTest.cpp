#include "DetectAbnormal/DetectorRig.h"
#include "Internal/Model/DetectService.h"
#include "Internal/Model/SdkStateData.h"
#include "Internal/Model/SendingData.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using namespace tolvane;
using Calls = std::vector<std::string>;

// Stands in for any of the eleven detectors and records what it was asked, in one shared list.
class FakeDetector final : public IDetectBluetooth,
                           public IDetectCommunicationVerification,
                           public IDetectCommunicationRequest,
                           public IDetectCheckSum,
                           public IDetectClearSonerCounterFixing,
                           public IDetectDcuCsrError,
                           public IDetectDcuIdtError,
                           public IDetectIdtdspError,
                           public IDetectMekdspError,
                           public IDetectLatch,
                           public IDetectDeadlock {
public:
    FakeDetector(std::string name, Calls& calls) : name_(std::move(name)), calls_(calls) {}

    void startDetect() override { record("start"); }
    void stopDetect() override { record("stop"); }
    bool isInterrupt() const override { return interrupted; }
    bool isPause() const override { return paused; }
    bool doChecksum() const override { return checking; }
    void detect() override { record("detect"); }
    void switchPause(bool pause) override { record(pause ? "pause" : "resume"); }
    void reset() override { record("reset"); }

    void detect(const std::optional<MekVerification>& verification) override
    {
        lastVerification = verification;
        record("detect");
    }
    void detect(const std::optional<MekCsrReq>& req) override
    {
        lastReq = req;
        record("detect");
    }
    void detect(const MekVerification& verification, const MekCsrReq& req, const std::optional<MekAbnormal>& abnormal) override
    {
        lastVerification = verification;
        lastReq = req;
        lastAbnormal = abnormal;
        record("detect");
    }
    void detect(const std::optional<MekVerification>& verification, const MekCsrReq& req) override
    {
        lastVerification = verification;
        lastReq = req;
        record("detect");
    }
    void detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq) override
    {
        lastReq = req;
        lastPrevReq = prevReq;
        record("detect");
    }
    void detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq,
                std::optional<foundation::Seconds> lastOperationTime) override
    {
        lastReq = req;
        lastPrevReq = prevReq;
        this->lastOperationTime = lastOperationTime;
        record("detect");
    }

    bool interrupted = false;
    bool paused = false;
    bool checking = false;
    std::optional<MekVerification> lastVerification;
    std::optional<MekCsrReq> lastReq;
    std::optional<MekCsrReq> lastPrevReq;
    std::optional<MekAbnormal> lastAbnormal;
    std::optional<foundation::Seconds> lastOperationTime;

private:
    void record(const char* call) { calls_.push_back(name_ + "." + call); }

    std::string name_;
    Calls& calls_;
};

std::map<std::string, std::shared_ptr<FakeDetector>> makeFakes(Calls& calls)
{
    std::map<std::string, std::shared_ptr<FakeDetector>> fakes;
    for (const char* name : {"bluetooth", "verificationWatchdog", "requestWatchdog", "checkSum", "counterFixing", "dcuCsr",
                             "dcuIdt", "idtdsp", "mekdsp", "latch", "deadlock"})
        fakes[name] = std::make_shared<FakeDetector>(name, calls);
    return fakes;
}

class DetectServiceTest : public testing::Test {
protected:
    FakeDetector& fake(const std::string& name) { return *fakes.at(name); }

    // Runs one received record through the chain and returns the calls it made.
    Calls judge(const std::optional<MekVerification>& verification, const std::optional<MekCsrReq>& req,
                const std::optional<MekAbnormal>& abnormal = std::nullopt)
    {
        calls.clear();
        service.detectCommunication(verification, req, abnormal);
        return calls;
    }

    foundation::VirtualTime time;
    Calls calls;
    std::map<std::string, std::shared_ptr<FakeDetector>> fakes = makeFakes(calls);
    std::shared_ptr<SdkStateData> sdkState = std::make_shared<SdkStateData>();
    std::shared_ptr<SendingData> sendingData = std::make_shared<SendingData>();
    DetectService service{fakes.at("bluetooth"), fakes.at("verificationWatchdog"), fakes.at("requestWatchdog"),
                          fakes.at("checkSum"),  fakes.at("counterFixing"),        fakes.at("dcuCsr"),
                          fakes.at("dcuIdt"),    fakes.at("idtdsp"),               fakes.at("mekdsp"),
                          fakes.at("latch"),     fakes.at("deadlock"),             sdkState,
                          sendingData};
};

TEST_F(DetectServiceTest, StartsStopsAndPausesItsGroupsInTheFixedOrder)
{
    struct Row {
        const char* name;
        std::function<void(DetectService&)> operation;
        Calls calls;
        // Whether the operation leaves the finished flag set or clear; none when it leaves it alone.
        std::optional<bool> finished;
    };
    const std::vector<Row> rows = {
        {"Bluetooth connect", [](DetectService& s) { s.startDetectForBluetoothConnect(); }, {"bluetooth.start"}, {}},
        {"communication", [](DetectService& s) { s.startDetectForCommunication(); }, {"verificationWatchdog.start"}, {}},
        {"counter update",
         [](DetectService& s) { s.startDetectForCounterUpdate(); },
         {"verificationWatchdog.start", "requestWatchdog.start"},
         {}},
        {"last ten counter update",
         [](DetectService& s) { s.startDetectForLastTenCounterUpdate(); },
         {"counterFixing.start"},
         {}},
        {"act on",
         [](DetectService& s) { s.startDetectForActOn(); },
         {"checkSum.start", "dcuCsr.start", "dcuIdt.start", "idtdsp.start", "mekdsp.start", "latch.start",
          "deadlock.start"},
         false},
        {"restart",
         [](DetectService& s) { s.stopDetectForRestart(); },
         {"requestWatchdog.stop", "checkSum.stop", "counterFixing.stop", "dcuCsr.stop", "dcuIdt.stop", "idtdsp.stop",
          "mekdsp.stop", "latch.stop", "deadlock.stop"},
         {}},
        {"complete",
         [](DetectService& s) { s.stopDetectForComplete(); },
         {"bluetooth.stop", "verificationWatchdog.stop", "requestWatchdog.stop", "checkSum.stop", "counterFixing.stop",
          "dcuCsr.stop", "dcuIdt.stop"},
         true},
        {"all",
         [](DetectService& s) { s.stopDetectAll(); },
         {"bluetooth.stop", "verificationWatchdog.stop", "requestWatchdog.stop", "checkSum.stop", "counterFixing.stop",
          "dcuCsr.stop", "dcuIdt.stop", "idtdsp.stop", "mekdsp.stop", "latch.stop", "deadlock.stop"},
         false},
        {"pause",
         [](DetectService& s) { s.switchPauseDetect(true); },
         {"bluetooth.pause", "requestWatchdog.pause", "verificationWatchdog.pause"},
         {}},
        {"resume",
         [](DetectService& s) { s.switchPauseDetect(false); },
         {"bluetooth.resume", "requestWatchdog.resume", "verificationWatchdog.resume"},
         {}},
        {"pause communication",
         [](DetectService& s) { s.switchPauseDetectCommunication(true); },
         {"requestWatchdog.pause", "verificationWatchdog.pause"},
         {}},
        {"resume communication",
         [](DetectService& s) { s.switchPauseDetectCommunication(false); },
         {"requestWatchdog.resume", "verificationWatchdog.resume"},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (bool finishedBefore : {false, true}) {
            if (finishedBefore)
                service.stopDetectForComplete();
            else
                service.stopDetectAll();
            calls.clear();
            row.operation(service);
            EXPECT_EQ(calls, row.calls);
            EXPECT_EQ(service.isDetectFinished(), row.finished.value_or(finishedBefore));
        }
    }
}

TEST_F(DetectServiceTest, TheBluetoothCheckPausesTheLinkWatchdogsWhileOffOrInTheBackground)
{
    struct Row {
        bool bluetoothInterrupted;
        bool background;
        const char* watchdogs;
    };
    const std::vector<Row> rows = {{false, false, "resume"}, {false, true, "pause"}, {true, false, "pause"}, {true, true, "pause"}};
    for (const auto& row : rows) {
        fake("bluetooth").interrupted = row.bluetoothInterrupted;
        sdkState->isBackground().send(row.background);
        calls.clear();
        service.detectBluetoothOff();
        const std::string watchdogs = row.watchdogs;
        EXPECT_EQ(calls, (Calls{"bluetooth.detect", "requestWatchdog." + watchdogs, "verificationWatchdog." + watchdogs}))
            << row.bluetoothInterrupted << row.background;
    }
}

TEST_F(DetectServiceTest, ReportsTheChecksumAndPauseStateOfItsDetectors)
{
    EXPECT_FALSE(service.doChecksum());
    EXPECT_FALSE(service.isDetectPause());
    fake("checkSum").checking = true;
    fake("bluetooth").paused = true;
    EXPECT_TRUE(service.doChecksum());
    EXPECT_TRUE(service.isDetectPause());
}

TEST_F(DetectServiceTest, JudgesEachRecordInTheFixedOrderUntilADetectorIsInterrupted)
{
    const Calls fullChain = {"deadlock.detect", "verificationWatchdog.detect", "requestWatchdog.detect",
                             "latch.detect",    "dcuCsr.detect",               "dcuIdt.detect",
                             "idtdsp.detect",   "checkSum.detect",             "counterFixing.detect",
                             "mekdsp.detect"};
    auto chainUpTo = [&](const std::string& last) {
        return Calls(fullChain.begin(), std::find(fullChain.begin(), fullChain.end(), last) + 1);
    };
    struct Row {
        const char* interrupted;
        Calls calls;
    };
    const std::vector<Row> rows = {
        {nullptr, fullChain},
        {"deadlock", {"deadlock.detect"}},
        {"bluetooth", {"deadlock.detect"}},
        {"verificationWatchdog", chainUpTo("requestWatchdog.detect")},
        {"requestWatchdog", chainUpTo("requestWatchdog.detect")},
        {"latch", [&] {
             auto calls = chainUpTo("latch.detect");
             calls.push_back("mekdsp.reset");
             return calls;
         }()},
        {"dcuCsr", chainUpTo("dcuCsr.detect")},
        {"dcuIdt", chainUpTo("dcuIdt.detect")},
        {"idtdsp", chainUpTo("idtdsp.detect")},
        {"checkSum", chainUpTo("checkSum.detect")},
        {"counterFixing", chainUpTo("counterFixing.detect")},
        {"mekdsp", fullChain},
    };
    judge(testing_support::verification(), testing_support::request());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.interrupted ? row.interrupted : "none");
        if (row.interrupted)
            fake(row.interrupted).interrupted = true;
        EXPECT_EQ(judge(std::nullopt, testing_support::request(), MekAbnormal{}), row.calls);
        if (row.interrupted)
            fake(row.interrupted).interrupted = false;
    }
}

TEST_F(DetectServiceTest, TheUnitAndDisplayDetectorsWaitForBothKindsOfRecord)
{
    const Calls linkChecks = {"deadlock.detect", "verificationWatchdog.detect", "requestWatchdog.detect", "latch.detect"};
    EXPECT_EQ(judge(testing_support::verification(), std::nullopt), linkChecks);
    EXPECT_EQ(judge(std::nullopt, std::nullopt, MekAbnormal{}), linkChecks);
    EXPECT_EQ(judge(std::nullopt, testing_support::request()).size(), 10u);
}

TEST_F(DetectServiceTest, PassesTheStoredRecordsAndTheTimeOfTheLastTouch)
{
    sendingData->updateOperationData({.x = 3, .y = 4});
    const MekVerification keysMissing = testing_support::verification(BtIdtDspId::ab_keys_nodetect);
    judge(keysMissing, testing_support::request(BtMekDspId::halt_outarea));
    judge(std::nullopt, testing_support::request(BtMekDspId::halt_route_lost), MekAbnormal{.DCUIDTER = 1, .DCUCSRER = 0});

    EXPECT_EQ(fake("deadlock").lastPrevReq->MEKDSPID, BtMekDspId::halt_outarea);
    EXPECT_EQ(fake("deadlock").lastOperationTime, time.now());
    EXPECT_EQ(fake("latch").lastPrevReq->MEKDSPID, BtMekDspId::halt_outarea);
    EXPECT_EQ(fake("dcuCsr").lastVerification, keysMissing) << "the stored verification";
    EXPECT_EQ(fake("dcuCsr").lastAbnormal, (MekAbnormal{.DCUIDTER = 1, .DCUCSRER = 0}));
    EXPECT_EQ(fake("idtdsp").lastVerification, std::nullopt) << "the given verification";
    EXPECT_EQ(fake("idtdsp").lastReq->MEKDSPID, BtMekDspId::halt_route_lost) << "the stored request";
}

TEST_F(DetectServiceTest, ARecordStoppedByTheLinkChecksIsNotRemembered)
{
    judge(std::nullopt, testing_support::request(BtMekDspId::halt_outarea));
    fake("deadlock").interrupted = true;
    judge(std::nullopt, testing_support::request(BtMekDspId::halt_opendoor));
    fake("deadlock").interrupted = false;
    fake("latch").interrupted = true;
    judge(std::nullopt, testing_support::request(BtMekDspId::halt_bydrive));
    EXPECT_EQ(fake("deadlock").lastPrevReq->MEKDSPID, BtMekDspId::halt_outarea);
    fake("latch").interrupted = false;
    judge(std::nullopt, testing_support::request());
    EXPECT_EQ(fake("deadlock").lastPrevReq->MEKDSPID, BtMekDspId::halt_bydrive)
        << "a record stopped by the latch is remembered";
}

// The real detectors behind the service.
class DetectServiceWiringTest : public testing::Test {
protected:
    testing_support::DetectorRig rig;
    std::shared_ptr<SdkStateData> sdkState = std::make_shared<SdkStateData>();
    DetectService service{rig.bluetooth, rig.verificationWatchdog, rig.requestWatchdog, rig.checkSum,
                          rig.counterFixing, rig.dcuCsr, rig.dcuIdt, rig.idtdsp, rig.mekdsp, rig.latch, rig.deadlock,
                          sdkState, std::make_shared<SendingData>()};
};

TEST_F(DetectServiceWiringTest, TheVehicleDisplayDetectorKeepsRunningAfterCompletion)
{
    service.startDetectForActOn();
    service.stopDetectForComplete();
    service.detectCommunication(testing_support::verification(), testing_support::request(BtMekDspId::stop_user_self),
                                std::nullopt);
    EXPECT_EQ(rig.causes->topCause(), InternalCause::userSelf);
    service.startDetectForActOn();
    EXPECT_FALSE(service.isDetectFinished());
}

TEST_F(DetectServiceWiringTest, TheLinkWatchdogsFollowTheBackgroundFlag)
{
    service.startDetectForBluetoothConnect();
    service.startDetectForCommunication();
    sdkState->isBackground().send(true);
    service.detectBluetoothOff();
    rig.at(100);
    EXPECT_EQ(rig.causes->topCause(), std::nullopt) << "paused in the background";
    sdkState->isBackground().send(false);
    service.detectBluetoothOff();
    rig.at(102.75);
    EXPECT_EQ(rig.causes->topCause(), std::nullopt);
    rig.at(103);
    EXPECT_EQ(rig.causes->topCause(), InternalCause::haltVerificationBtLoss) << "resumed with a full 3.0 s";
}

} // namespace
