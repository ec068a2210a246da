#include "vehicle-sim/OperationMessageReader.h"
#include "vehicle-sim/VehicleMessageWriter.h"

#include "Internal/Model/OperationMessageEncoder.h"
#include "Internal/Model/SLIP.h"
#include "Internal/Model/VehicleMessageDecoder.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane;
using vehiclesim::OperationMessageReader;
using vehiclesim::VehicleMessageWriter;

template <class Record>
Record decoded(const foundation::Bytes& frame, bool doChecksum = true)
{
    const DecodedFrame result = VehicleMessageDecoder::decodeReqestCode(frame, doChecksum);
    EXPECT_FALSE(result.abnormalCode.has_value()) << *result.abnormalCode;
    EXPECT_TRUE(result.record.has_value());
    return std::get<Record>(result.record.value_or(Record{}));
}

TEST(VehicleMessagesTest, ControlStateRequestReadsBackWithItsCounterAndChecksum)
{
    MekCsrReq request;
    request.MEKDSPID = BtMekDspId::controlling_inpark;
    request.MEKCTRMD = 0x1C;
    request.MEKTGTMD = 2;
    request.MEKDIST = 37;
    request.MEKLR = 45;
    request.MEKFB = 2;
    for (int counter : {0, 1, 0x5A, 0xC0, 0xDB, 255}) {
        const auto read = decoded<MekCsrReq>(VehicleMessageWriter::csrRequest(request, static_cast<uint8_t>(counter)));
        EXPECT_EQ(read.MEKDSPID, request.MEKDSPID);
        EXPECT_EQ(read.MEKCTRMD, request.MEKCTRMD);
        EXPECT_EQ(read.MEKTGTMD, request.MEKTGTMD);
        EXPECT_EQ(read.MEKDIST, request.MEKDIST);
        EXPECT_EQ(read.MEKLR, request.MEKLR);
        EXPECT_EQ(read.MEKFB, request.MEKFB);
        EXPECT_EQ(read.MEKCNT, counter);
        EXPECT_FALSE(read.checkSumAbnormal);
    }
}

TEST(VehicleMessagesTest, WrongChecksumIsReadAsAChecksumFault)
{
    const auto result = VehicleMessageDecoder::decodeReqestCode(VehicleMessageWriter::csrRequest({}, 3, true), true);
    EXPECT_EQ(result.abnormalCode, "Received MEKSUM is invalid.");
    ASSERT_TRUE(result.record.has_value());
    EXPECT_TRUE(std::get<MekCsrReq>(*result.record).checkSumAbnormal);
}

TEST(VehicleMessagesTest, SonarVerificationInformationAndAbnormalityReadBack)
{
    MekDetect detect{.FR_POS = 5, .FL_POS = 1, .FR_WRN = 1, .FRC_POS = 6, .FLC_POS = 2, .FL_WRN = 3, .RR_POS = 4,
                     .RL_POS = 3, .FRC_WRN = 2, .RRC_POS = 1, .RLC_POS = 0, .FLC_WRN = 1, .RR_WRN = 0, .RL_WRN = 1,
                     .RRC_WRN = 2, .RLC_WRN = 3};
    EXPECT_EQ(decoded<MekDetect>(VehicleMessageWriter::detection(detect)), detect);

    MekVerification verification{.IDTDSPID = BtIdtDspId::ab_keys_incar, .IDTBTRQ = BtIdtBtRq::parkOut};
    EXPECT_EQ(decoded<MekVerification>(VehicleMessageWriter::verification(verification)), verification);

    MekInfo info{.MV_FL = 1, .MV_FR = 0, .MV_RL = 1, .MV_RR = 1, .MV_FLS = 0, .MV_FRS = 1, .MV_RLS = 0, .MV_RRS = 1,
                 .MV_FC = 1, .MV_RC = 0, .FRS_POS = 5, .FLS_POS = 2, .FRS_WRN = 3, .RRS_POS = 1, .RLS_POS = 4,
                 .FLS_WRN = 2, .RRS_WRN = 1, .RLS_WRN = 3};
    EXPECT_EQ(decoded<MekInfo>(VehicleMessageWriter::information(info)), info);

    MekAbnormal abnormal{.DCUIDTER = 1, .DCUCSRER = 0};
    EXPECT_EQ(decoded<MekAbnormal>(VehicleMessageWriter::abnormality(abnormal)), abnormal);
}

TEST(VehicleMessagesTest, PhonesOperationMessageReadsBackFieldByField)
{
    SmpOperation operation{.act = BtSmpAct::on, .x = 300, .y = 1023, .btn = BtSmpBtn::longpress,
                           .sel = BtSmpSelMd::parkplan3, .disp = BtMekDspId::controlling_outpark, .smpcnt = 0x1A5};
    const auto message = SLIP::decode(OperationMessageEncoder::encodingOperationCode(operation));
    const auto read = OperationMessageReader::read(message);
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->checksumValid);
    EXPECT_EQ(read->counter, 0xA5);
    EXPECT_EQ(read->operation.act, BtSmpAct::on);
    EXPECT_EQ(read->operation.x, 301u); // coordinates travel folded
    EXPECT_EQ(read->operation.y, 1u);
    EXPECT_EQ(read->operation.btn, BtSmpBtn::longpress);
    EXPECT_EQ(read->operation.sel, BtSmpSelMd::parkplan3);
    EXPECT_EQ(read->operation.disp, BtMekDspId::controlling_outpark);
    EXPECT_EQ(OperationMessageReader::describe(*read),
              "act=on btn=longpress x=301 y=1 sel=3 disp=0x41 cnt=165 sum=ok");
}

TEST(VehicleMessagesTest, DamagedOrForeignMessagesAreNoOperation)
{
    auto message = SLIP::decode(OperationMessageEncoder::encodingOperationCode({}));
    message[4] ^= 0x01;
    EXPECT_FALSE(OperationMessageReader::read(message)->checksumValid);
    EXPECT_FALSE(OperationMessageReader::read(foundation::Bytes(10, 0)).has_value());
    message[1] = 0x05;
    EXPECT_FALSE(OperationMessageReader::read(message).has_value());
}

} // namespace
