#include "DataCoderRig.h"
#include "VehicleFrames.h"
#include "Internal/Model/FrameCutter.h"
#include "Internal/Model/OperationMessageEncoder.h"
#include "Internal/Model/VehicleMessageDecoder.h"
#include "rx/Cancellable.h"
#include "support/HexBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace {

using namespace tolvane;
using foundation::Bytes;
using testing_support::hexBytes;
using Record = DecodedFrame::Record;

constexpr const char* kAbnormalPrefix = "Error! Recived abnormal data. Skip and redelivery preview data. Cause:";

// The message of a dropped frame's log line, as the receive path must write it.
std::string abnormalMessage(const std::string& cause, const char* frameHex)
{
    const Bytes frame = hexBytes(frameHex);
    return kAbnormalPrefix + cause + " Date:" + foundation::hexString(frame, " ") + " Size: "
        + std::to_string(frame.size());
}

class DataCoderTest : public ::testing::Test, protected testing_support::DataCoderRig {
protected:
    DataCoderTest()
    {
        subscriptions.insert(willArbitrateData->detect().sink([this](const MekDetect& r) { received.push_back(r); }));
        subscriptions.insert(
            willArbitrateData->verification().sink([this](const MekVerification& r) { received.push_back(r); }));
        subscriptions.insert(willArbitrateData->req().sink([this](const MekCsrReq& r) { received.push_back(r); }));
        subscriptions.insert(willArbitrateData->info().sink([this](const MekInfo& r) { received.push_back(r); }));
        subscriptions.insert(willArbitrateData->abnormal().sink([this](const MekAbnormal& r) { received.push_back(r); }));
    }

    void feed(const std::vector<Bytes>& chunks)
    {
        for (const Bytes& chunk : chunks)
            coder->decode(chunk);
        time.runUntilIdle();
    }

    // The messages of the lines logged for dropped frames, without the file, line and function.
    std::vector<std::string> abnormalMessages() const
    {
        static const std::regex line(R"(^\[Warning\] DataCoder\.cpp #\d+ logAbnomalCodeResponse\(recept:causeForLogging:\): (.*)$)");
        std::vector<std::string> messages;
        for (const auto& record : logCapture->records) {
            std::smatch match;
            if (std::regex_match(record.line, match, line) && record.type == foundation::SystemLogType::error)
                messages.push_back(match[1]);
        }
        return messages;
    }

    std::vector<Record> received;
    rx::CancellableSet subscriptions;
};

// --- Send side ---

TEST_F(DataCoderTest, EncodeFramesTheCurrentRecord)
{
    sendingData->updateOperationData({.act = BtSmpAct::on, .x = 500, .y = 1001, .sel = BtSmpSelMd::parkplan2,
                                      .disp = BtMekDspId::controlling_inpark,
                                      .dispMountAction = MountActionOfTransmissionValue::unmount,
                                      .smpcnt = 25, .smpcntMountAction = MountActionOfTransmissionValue::unmount});
    EXPECT_EQ(foundation::hexString(coder->encode(), " "), "C0 00 01 08 05 F5 03 EA 40 02 F3 15 C0");
}

// The detectors and the stores belong to the main loop: the check of every cycle runs there, once.
TEST_F(DataCoderTest, EncodeRunsTheBluetoothCheckOnTheMainLoopOncePerCycle)
{
    coder->encode();
    coder->encode();
    EXPECT_EQ(detectService->count("detectBluetoothOff"), 0u);
    time.runUntilIdle();
    EXPECT_EQ(detectService->count("detectBluetoothOff"), 2u);
}

TEST_F(DataCoderTest, EncodeShowsTheTopCauseScreenUnlessTheFinishedParkOutOutranksIt)
{
    struct Case {
        const char* name;
        RequiredDisplayId screen;
        std::optional<InternalCause> cause;
        RequiredDisplayId screenAfter;
        std::vector<CauseId> published;
    };
    const std::vector<Case> cases = {
        {"halt cause over a selection", RequiredDisplayId::SEL_PARK_IN, InternalCause::outArea, RequiredDisplayId::HALT,
         {CauseId::OUT_AREA}},
        {"no cause", RequiredDisplayId::SEL_PARK_IN, std::nullopt, RequiredDisplayId::SEL_PARK_IN, {}},
        {"finished park-out outranks a less urgent cause", RequiredDisplayId::COMPLETE_PARK_OUT,
         InternalCause::outArea, RequiredDisplayId::COMPLETE_PARK_OUT, {}},
        {"an urgent cause replaces the finished park-out", RequiredDisplayId::COMPLETE_PARK_OUT,
         InternalCause::haltBtOff, RequiredDisplayId::HALT, {CauseId::BT_OFF}},
    };
    for (const Case& c : cases) {
        cautionData->initParam();
        displayData->updateDisplayId(c.screen);
        if (c.cause)
            cautionData->addCause(*c.cause);
        std::vector<CauseId> published;
        auto subscription = cautionData->cause().sink([&published](CauseId id) { published.push_back(id); });

        coder->encode();
        time.runUntilIdle();
        EXPECT_EQ(displayData->currentDispId(), c.screenAfter) << c.name;
        EXPECT_EQ(published, c.published) << c.name;
    }
}

// --- Receive side ---

MekCsrReq csrRequest(BtMekDspId dspId, int64_t sum, bool checkSumAbnormal = false)
{
    return {.MEKDSPID = dspId, .MEKCTRMD = 0xFC, .MEKTGTMD = 1, .MEKDIST = 0x50, .MEKLR = 1, .MEKFB = 1,
            .MEKFRLR = 5, .MEKCNT = 25, .MEKSUM = sum, .SMPCNT = 25, .remainDist = 0x50, .encryptedMEKCNT = 0xBF,
            .checkSumAbnormal = checkSumAbnormal};
}

TEST_F(DataCoderTest, ReceivedChunksBecomeRecordsOrLoggedDrops)
{
    struct Logged {
        std::string cause;
        const char* frame;
    };
    struct Case {
        const char* name;
        std::vector<const char*> chunks;
        std::vector<Record> records;
        std::vector<Logged> logged;
        bool checksumChecked = true;
    };
    const std::vector<Case> cases = {
        {"empty chunk", {""}, {}, {}},
        {"ends only", {"C0 C0 C0"}, {}, {}},
        {"abnormality", {"C0 00 08 08 80 00 00 00 00 00 00 00 C0"}, {MekAbnormal{.DCUIDTER = 1}}, {}},
        {"abnormality split after its sixth byte", {"C0 00 08 08 80 00", "00 00 00 00 00 00 C0"},
         {MekAbnormal{.DCUIDTER = 1}}, {}},
        {"two abnormalities in one chunk, first first",
         {"C0 00 08 00 40 00 00 00 00 00 00 00 C0 C0 00 08 00 3F 00 00 00 00 00 00 00 C0"},
         {MekAbnormal{.DCUCSRER = 1}, MekAbnormal{}}, {}},
        {"a chunk ending inside the second frame", {"C0 00 08 00 40 00 00 00 00 00 00 00 C0 C0 00 08"},
         {MekAbnormal{.DCUCSRER = 1}}, {}},
        {"detection fields", {"C0 00 02 FF A5 00 00 00 1B 00 00 00 C0"},
         {MekDetect{.FR_POS = 5, .FL_POS = 1, .FR_WRN = 1, .RL_WRN = 1, .RRC_WRN = 2, .RLC_WRN = 3}}, {}},
        {"detection centre position 6, escaped", {"C0 00 02 00 00 DB DC 00 00 00 00 00 00 C0"},
         {MekDetect{.FRC_POS = 6}}, {}},
        {"detection centre position 7", {"C0 00 02 00 00 E0 00 00 00 00 00 00 C0"}, {},
         {{"Received BT_***_POS is invalid.", "C0 00 02 00 00 E0 00 00 00 00 00 00 C0"}}},
        {"detection outer position 6", {"C0 00 02 00 DB DC 00 00 00 00 00 00 00 C0"}, {},
         {{"Received BT_***_POS is invalid.", "C0 00 02 00 DB DC 00 00 00 00 00 00 00 C0"}}},
        {"verification", {"C0 00 04 00 01 03 00 00 00 00 00 00 C0"},
         {MekVerification{.IDTDSPID = BtIdtDspId::ab_sys_confirm, .IDTBTRQ = BtIdtBtRq::parkOut}}, {}},
        {"verification display id is checked first", {"C0 00 04 00 05 08 00 00 00 00 00 00 C0"}, {},
         {{"Received BTID is verification, but cannot read BT_IDTDSPID.", "C0 00 04 00 05 08 00 00 00 00 00 00 C0"}}},
        {"verification request", {"C0 00 04 00 02 00 00 00 00 00 00 00 C0"}, {},
         {{"Received BTID is verification, but cannot read BT_IDTBTRQ.", "C0 00 04 00 02 00 00 00 00 00 00 00 C0"}}},
        {"control-state request", {"C0 00 05 00 40 FC 01 50 05 00 BF 4E C0"},
         {csrRequest(BtMekDspId::controlling_inpark, 0x4E)}, {}},
        {"control-state request direction fields", {"C0 00 05 00 20 FC 01 50 B6 00 BF 5B C0"},
         {MekCsrReq{.MEKDSPID = BtMekDspId::sel_parkin_vertical, .MEKCTRMD = 0xFC, .MEKTGTMD = 1, .MEKDIST = 0x50,
                    .MEKLR = 45, .MEKFB = 2, .MEKFRLR = 6, .MEKCNT = 25, .MEKSUM = 0x5B, .SMPCNT = 25,
                    .remainDist = 0x50, .encryptedMEKCNT = 0xBF}},
         {}},
        // Delivered, marked, and logged.
        {"wrong checksum", {"C0 00 05 00 40 FC 01 50 05 00 BF 4F C0"},
         {csrRequest(BtMekDspId::controlling_inpark, 0x4F, true)},
         {{"Received MEKSUM is invalid.", "C0 00 05 00 40 FC 01 50 05 00 BF 4F C0"}}},
        {"wrong checksum while checksums are not checked", {"C0 00 05 00 40 FC 01 50 05 00 BF 4F C0"},
         {csrRequest(BtMekDspId::controlling_inpark, 0x4F)}, {}, false},
        {"unknown display id", {"C0 00 05 00 05 FC 01 50 05 00 BF 13 C0"}, {},
         {{"Received DSPID is invalid.", "C0 00 05 00 05 FC 01 50 05 00 BF 13 C0"}}},
        {"unknown display id and wrong checksum", {"C0 00 05 00 05 FC 01 50 05 00 BF 14 C0"},
         {csrRequest(BtMekDspId::def, 0x14, true)},
         {{"Received DSPID,MEKSUM is invalid.", "C0 00 05 00 05 FC 01 50 05 00 BF 14 C0"}}},
        {"information", {"C0 00 06 00 40 00 04 0D 00 00 00 00 C0"},
         {MekInfo{.MV_FL = 1, .MV_FC = 1, .FLS_POS = 3, .FRS_WRN = 1}}, {}},
        {"information side position before moving state", {"C0 00 06 00 80 00 00 18 00 00 00 00 C0"}, {},
         {{"Received BT_***_POS is invalid.", "C0 00 06 00 80 00 00 18 00 00 00 00 C0"}}},
        {"information moving state 2", {"C0 00 06 00 00 00 08 00 00 00 00 00 C0"}, {},
         {{"Received BT_MV_*** is invalid.", "C0 00 06 00 00 00 08 00 00 00 00 00 C0"}}},
        {"ten message bytes", {"C0 00 08 00 00 00 00 00 00 00 00 C0"}, {},
         {{"Received data bytes count is less than 11.", "C0 00 08 00 00 00 00 00 00 00 00 C0"}}},
        {"twelve message bytes", {"C0 00 08 00 00 00 00 00 00 00 00 00 00 C0"}, {},
         {{"Received data bytes count is not equal 11.", "C0 00 08 00 00 00 00 00 00 00 00 00 00 C0"}}},
        {"an escape counts as one message byte", {"C0 00 08 00 00 00 00 00 00 00 00 DB DC C0"}, {MekAbnormal{}}, {}},
        {"the phone's own message id", {"C0 00 01 08 00 00 00 00 00 00 00 00 C0"}, {},
         {{"Received BTID is unknown.", "C0 00 01 08 00 00 00 00 00 00 00 00 C0"}}},
        {"message id 0", {"C0 00 00 00 00 00 00 00 00 00 00 00 C0"}, {},
         {{"Received BTID is unknown.", "C0 00 00 00 00 00 00 00 00 00 00 00 C0"}}},
        {"message id 3", {"C0 00 03 00 00 00 00 00 00 00 00 00 C0"}, {},
         {{"Failed to convert received data head bytes to little endian.", "C0 00 03 00 00 00 00 00 00 00 00 00 C0"}}},
        {"message id 0x0102", {"C0 01 02 00 00 00 00 00 00 00 00 00 C0"}, {},
         {{"Failed to convert received data head bytes to little endian.", "C0 01 02 00 00 00 00 00 00 00 00 00 C0"}}},
        {"stray bytes before the first end", {"55 66 C0 00 08 00 80 00 00 00 00 00 00 00 C0"},
         {MekAbnormal{.DCUIDTER = 1}}, {{"Received data bytes count is less than 11.", "C0 55 66 C0"}}},
    };
    for (const Case& c : cases) {
        willArbitrateData->initParam();
        received.clear();
        logCapture->records.clear();
        detectService->checksumChecked = c.checksumChecked;

        std::vector<Bytes> chunks;
        for (const char* chunk : c.chunks)
            chunks.push_back(hexBytes(chunk));
        feed(chunks);

        EXPECT_EQ(received, c.records) << c.name;
        std::vector<std::string> expectedMessages;
        for (const Logged& logged : c.logged)
            expectedMessages.push_back(abnormalMessage(logged.cause, logged.frame));
        EXPECT_EQ(abnormalMessages(), expectedMessages) << c.name;
        EXPECT_EQ(logCapture->records.size(), expectedMessages.size()) << c.name;
    }
}

TEST_F(DataCoderTest, ADroppedFrameIsLoggedAtWarningWithItsBytesAsReceived)
{
    feed({hexBytes("C0 00 01 08 00 00 00 00 00 00 00 00 C0")});
    ASSERT_EQ(logCapture->records.size(), 1u);
    const auto& record = logCapture->records[0];
    EXPECT_EQ(record.type, foundation::SystemLogType::error);
    EXPECT_EQ(record.category, "Standard");
    EXPECT_TRUE(std::regex_match(
        record.line,
        std::regex(R"(\[Warning\] DataCoder\.cpp #\d+ logAbnomalCodeResponse\(recept:causeForLogging:\): )"
                   R"(Error! Recived abnormal data\. Skip and redelivery preview data\. Cause:Received BTID is unknown\. )"
                   R"(Date:C0 00 01 08 00 00 00 00 00 00 00 00 C0 Size: 13)")))
        << record.line;
}

// Causes that the cutter never produces, for frames handed over whole.
TEST(VehicleMessageDecoderTest, RejectsFramesTooShortToHoldAnId)
{
    EXPECT_EQ(VehicleMessageDecoder::decodeReqestCode({}, true).abnormalCode, "Received data is empty.");
    const Bytes oneByte{0x00};
    EXPECT_EQ(VehicleMessageDecoder::decodeReqestCode(oneByte, true).abnormalCode,
              "Received data bytes count is less than 2.");
}

TEST_F(DataCoderTest, TheTestFramesMatchTheWireTables)
{
    namespace vehicle = testing_support::vehicle;
    EXPECT_EQ(vehicle::csrRequestFrame({.dspId = BtMekDspId::controlling_inpark, .ctrmd = 0xFC, .tgtmd = 1,
                                        .dist = 0x50, .lr = 1, .fb = 1}),
              hexBytes("C0 00 05 00 40 FC 01 50 05 00 BF 4E C0"));
    EXPECT_EQ(vehicle::detectionFrame({.FR_POS = 5, .FL_POS = 1, .FR_WRN = 1, .RL_WRN = 1, .RRC_WRN = 2, .RLC_WRN = 3}),
              hexBytes("C0 00 02 00 A5 00 00 00 1B 00 00 00 C0"));
    EXPECT_EQ(vehicle::informationFrame({.MV_FL = 1, .MV_FC = 1, .FLS_POS = 3, .FRS_WRN = 1}),
              hexBytes("C0 00 06 00 40 00 04 0D 00 00 00 00 C0"));
    EXPECT_EQ(vehicle::verificationFrame(BtIdtBtRq::parkOut, BtIdtDspId::ab_sys_confirm),
              hexBytes("C0 00 04 00 01 03 00 00 00 00 00 00 C0"));
    EXPECT_EQ(vehicle::abnormalityFrame(true, false), hexBytes("C0 00 08 00 80 00 00 00 00 00 00 00 C0"));
}

// The same stream, cut anywhere, gives the same records and the same log lines.
TEST_F(DataCoderTest, RecordsDoNotDependOnWhereTheStreamIsCut)
{
    namespace vehicle = testing_support::vehicle;
    std::mt19937 random(4711);
    const std::vector<Bytes> pieces = {
        vehicle::csrRequestFrame({.dspId = BtMekDspId::sel_parkin_vertical, .counter = 0xD5}),
        vehicle::csrRequestFrame({.dspId = BtMekDspId::controlling_inpark, .lr = 1, .fb = 1, .wrongChecksum = true}),
        vehicle::detectionFrame({.FRC_POS = 6, .RL_POS = 2}),
        vehicle::informationFrame({.MV_RC = 1, .RRS_POS = 5}),
        vehicle::verificationFrame(BtIdtBtRq::parkInOrFowaback, BtIdtDspId::none),
        vehicle::abnormalityFrame(false, true),
        hexBytes("C0 00 03 00 00 00 00 00 00 00 00 00 C0"),
        hexBytes("C0 00 08 00 C0"),
        hexBytes("DB 00 41"),
        hexBytes("C0"),
    };
    Bytes stream;
    for (int i = 0; i < 400; ++i) {
        const Bytes& piece = pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(random)];
        stream.insert(stream.end(), piece.begin(), piece.end());
    }
    stream.push_back(0xC0);

    feed({stream});
    const auto wholeRecords = received;
    const auto wholeMessages = abnormalMessages();
    ASSERT_GT(wholeRecords.size(), 100u);
    ASSERT_GT(wholeMessages.size(), 50u);

    for (int round = 0; round < 20; ++round) {
        willArbitrateData->initParam();
        received.clear();
        logCapture->records.clear();
        std::vector<Bytes> chunks;
        for (size_t begin = 0; begin < stream.size();) {
            const size_t length = std::uniform_int_distribution<size_t>(1, 40)(random);
            const size_t end = std::min(stream.size(), begin + length);
            chunks.emplace_back(stream.begin() + static_cast<ptrdiff_t>(begin), stream.begin() + static_cast<ptrdiff_t>(end));
            begin = end;
        }
        feed(chunks);
        EXPECT_EQ(received, wholeRecords) << "round " << round;
        EXPECT_EQ(abnormalMessages(), wholeMessages) << "round " << round;
    }
}

// A peer that never sends an END cannot make the buffer grow; the stream recovers at the next END.
TEST_F(DataCoderTest, BytesWithoutAFrameEndAreDroppedAtTheCap)
{
    const Bytes noise(100, 0x41);
    for (int i = 0; i < 13; ++i) {
        coder->decode(noise);
        EXPECT_LT(willArbitrateData->recivedDataBuffer().copy().size(), FrameCutter::kMaxPendingBytes);
    }
    feed({hexBytes("C0 00 08 00 80 00 00 00 00 00 00 00 C0")});

    EXPECT_EQ(received, std::vector<Record>{MekAbnormal{.DCUIDTER = 1}});
    const auto lines = logCapture->lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].ends_with("decode(data:): Dropped 1100 received bytes: no frame end within 1024 bytes."))
        << lines[0];
    EXPECT_TRUE(lines[1].ends_with(" Size: 202")) << "the rest up to the END is one rejected frame";
    EXPECT_TRUE(lines[1].find("Cause:Received data bytes count is not equal 11.") != std::string::npos);
}

TEST_F(DataCoderTest, FramesStillQueuedWhenTheCoderGoesAwayAreDropped)
{
    coder->decode(hexBytes("C0 00 08 00 80 00 00 00 00 00 00 00 C0 C0 00 01 C0"));
    coder.reset();
    time.runUntilIdle();
    EXPECT_TRUE(received.empty());
    EXPECT_TRUE(logCapture->records.empty());
}

} // namespace
