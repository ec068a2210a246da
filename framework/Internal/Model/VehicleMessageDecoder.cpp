#include "Internal/Model/VehicleMessageDecoder.h"

#include "Internal/Model/BtId.h"
#include "Internal/Model/CheckSum.h"
#include "Internal/Model/CounterEncryption.h"
#include "Internal/Model/SLIP.h"

#include <array>
#include <utility>

namespace tolvane {

namespace {

using Message = std::array<uint8_t, VehicleMessageDecoder::kMessageSize>;

DecodedFrame rejected(std::string abnormalCode)
{
    return {std::nullopt, std::move(abnormalCode)};
}

DecodedFrame accepted(DecodedFrame::Record record)
{
    return {std::move(record), std::nullopt};
}

// A bit field of a byte: `width` bits starting at bit `low`.
int64_t bits(uint8_t byte, int low, int width)
{
    return (byte >> low) & ((1 << width) - 1);
}

// A centre sensor reports 6 (most long) at most; the outer and side sensors 5.
bool validateObstacleDetectionPositionValue(int64_t value, bool forCenter)
{
    return forCenter ? value != 7 : value != 6 && value != 7;
}

bool validateMovingObjectDetectionPositionValue(int64_t value)
{
    return value == 0 || value == 1;
}

DecodedFrame setDataBT02(const Message& tmpBuf)
{
    MekDetect detect;
    detect.FR_POS = bits(tmpBuf[3], 5, 3);
    detect.FL_POS = bits(tmpBuf[3], 2, 3);
    detect.FR_WRN = bits(tmpBuf[3], 0, 2);
    detect.FRC_POS = bits(tmpBuf[4], 5, 3);
    detect.FLC_POS = bits(tmpBuf[4], 2, 3);
    detect.FL_WRN = bits(tmpBuf[4], 0, 2);
    detect.RR_POS = bits(tmpBuf[5], 5, 3);
    detect.RL_POS = bits(tmpBuf[5], 2, 3);
    detect.FRC_WRN = bits(tmpBuf[5], 0, 2);
    detect.RRC_POS = bits(tmpBuf[6], 5, 3);
    detect.RLC_POS = bits(tmpBuf[6], 2, 3);
    detect.FLC_WRN = bits(tmpBuf[6], 0, 2);
    detect.RR_WRN = bits(tmpBuf[7], 6, 2);
    detect.RL_WRN = bits(tmpBuf[7], 4, 2);
    detect.RRC_WRN = bits(tmpBuf[7], 2, 2);
    detect.RLC_WRN = bits(tmpBuf[7], 0, 2);

    const bool centresValid = validateObstacleDetectionPositionValue(detect.FLC_POS, true)
        && validateObstacleDetectionPositionValue(detect.FRC_POS, true)
        && validateObstacleDetectionPositionValue(detect.RLC_POS, true)
        && validateObstacleDetectionPositionValue(detect.RRC_POS, true);
    const bool outersValid = validateObstacleDetectionPositionValue(detect.FL_POS, false)
        && validateObstacleDetectionPositionValue(detect.FR_POS, false)
        && validateObstacleDetectionPositionValue(detect.RL_POS, false)
        && validateObstacleDetectionPositionValue(detect.RR_POS, false);
    if (!centresValid || !outersValid)
        return rejected("Received BT_***_POS is invalid.");
    return accepted(detect);
}

DecodedFrame setDataBT04(const Message& tmpBuf)
{
    MekVerification verification;
    // The display id is checked before the request.
    const auto dspId = foundation::fromRaw<BtIdtDspId>(tmpBuf[4]);
    if (!dspId)
        return rejected("Received BTID is verification, but cannot read BT_IDTDSPID.");
    verification.IDTDSPID = *dspId;
    const auto request = foundation::fromRaw<BtIdtBtRq>(tmpBuf[3]);
    if (!request)
        return rejected("Received BTID is verification, but cannot read BT_IDTBTRQ.");
    verification.IDTBTRQ = *request;
    return accepted(verification);
}

// The reasons for rejecting one control-state request, named in the failure text in this order.
// Only the display id and the checksum are checked; the other fields are taken as received.
enum AbnormalCausesOnCsrRequest : unsigned {
    abnormalDSPID = 1u << 0,
    abnormalMEKTGTMD = 1u << 1,
    abnormalMEKLR = 1u << 2,
    abnormalMEKFB = 1u << 3,
    abnormalMEKSUM = 1u << 4,
};

constexpr std::array<std::pair<AbnormalCausesOnCsrRequest, const char*>, 5> kCsrCauseNames = {{
    {abnormalDSPID, "DSPID"},
    {abnormalMEKTGTMD, "MEKTGTMD"},
    {abnormalMEKLR, "MEKLR"},
    {abnormalMEKFB, "MEKFB"},
    {abnormalMEKSUM, "MEKSUM"},
}};

std::string csrAbnormalCode(unsigned causes)
{
    std::string text = "Received ";
    bool first = true;
    for (const auto& [cause, name] : kCsrCauseNames) {
        if (!(causes & cause))
            continue;
        if (!first)
            text += ',';
        text += name;
        first = false;
    }
    text += " is invalid.";
    return text;
}

DecodedFrame setDataBT05(const Message& tmpBuf, bool doChecksum)
{
    MekCsrReq req;
    unsigned causes = 0;

    if (const auto dspId = foundation::fromRaw<BtMekDspId>(tmpBuf[3]))
        req.MEKDSPID = *dspId;
    else
        causes |= abnormalDSPID;
    req.MEKCTRMD = tmpBuf[4];
    req.MEKTGTMD = tmpBuf[5];
    req.MEKDIST = tmpBuf[6];
    req.MEKLR = bits(tmpBuf[7], 2, 6);
    req.MEKFB = bits(tmpBuf[7], 0, 2);

    // Field values, not bytes: the two direction fields enter on their own, and the counter as it
    // stands on the wire (still scrambled). Byte 8 plays no part.
    if (doChecksum) {
        const uint32_t sum = checkSum(std::array<int64_t, 7>{tmpBuf[3], tmpBuf[4], tmpBuf[5], tmpBuf[6], req.MEKLR, req.MEKFB, tmpBuf[9]});
        if (tmpBuf[10] != sum)
            causes |= abnormalMEKSUM;
    }

    // Only the counter byte is scrambled.
    req.MEKFRLR = bits(tmpBuf[7], 0, 4);
    req.MEKCNT = CounterEncryption::decryptCounter(tmpBuf[CounterEncryption::BT_MEKCNT]);
    req.MEKSUM = tmpBuf[10];
    req.SMPCNT = req.MEKCNT;
    req.remainDist = tmpBuf[6];
    req.encryptedMEKCNT = tmpBuf[9];

    if (causes == 0)
        return accepted(req);
    DecodedFrame result = rejected(csrAbnormalCode(causes));
    if (causes & abnormalMEKSUM) {
        req.checkSumAbnormal = true;
        result.record = req;
    }
    return result;
}

DecodedFrame setDataBT06(const Message& tmpBuf)
{
    MekInfo info;
    info.MV_FL = bits(tmpBuf[3], 6, 2);
    info.MV_FR = bits(tmpBuf[3], 4, 2);
    info.MV_RL = bits(tmpBuf[3], 2, 2);
    info.MV_RR = bits(tmpBuf[3], 0, 2);
    info.MV_FLS = bits(tmpBuf[4], 6, 2);
    info.MV_FRS = bits(tmpBuf[4], 4, 2);
    info.MV_RLS = bits(tmpBuf[4], 2, 2);
    info.MV_RRS = bits(tmpBuf[4], 0, 2);
    info.MV_FC = bits(tmpBuf[5], 2, 2);
    info.MV_RC = bits(tmpBuf[5], 0, 2);
    info.FRS_POS = bits(tmpBuf[6], 5, 3);
    info.FLS_POS = bits(tmpBuf[6], 2, 3);
    info.FRS_WRN = bits(tmpBuf[6], 0, 2);
    info.RRS_POS = bits(tmpBuf[7], 5, 3);
    info.RLS_POS = bits(tmpBuf[7], 2, 3);
    info.FLS_WRN = bits(tmpBuf[7], 0, 2);
    info.RRS_WRN = bits(tmpBuf[8], 6, 2);
    info.RLS_WRN = bits(tmpBuf[8], 4, 2);

    for (int64_t position : {info.FLS_POS, info.FRS_POS, info.RLS_POS, info.RRS_POS})
        if (!validateObstacleDetectionPositionValue(position, false))
            return rejected("Received BT_***_POS is invalid.");
    for (int64_t state : {info.MV_FL, info.MV_FR, info.MV_RL, info.MV_RR, info.MV_FLS, info.MV_FRS, info.MV_RLS,
                          info.MV_RRS, info.MV_FC, info.MV_RC})
        if (!validateMovingObjectDetectionPositionValue(state))
            return rejected("Received BT_MV_*** is invalid.");
    return accepted(info);
}

DecodedFrame setDataBT08(const Message& tmpBuf)
{
    MekAbnormal abnormal;
    abnormal.DCUIDTER = bits(tmpBuf[3], 7, 1);
    abnormal.DCUCSRER = bits(tmpBuf[3], 6, 1);
    return accepted(abnormal);
}

} // namespace

DecodedFrame VehicleMessageDecoder::decodeReqestCode(std::span<const uint8_t> frame, bool doChecksum)
{
    if (frame.empty())
        return rejected("Received data is empty.");
    if (frame.size() < 2)
        return rejected("Received data bytes count is less than 2.");

    Message tmpBuf{};
    const size_t length = SLIP::decode(frame, tmpBuf);
    if (length < kMessageSize)
        return rejected("Received data bytes count is less than 11.");
    if (length > kMessageSize)
        return rejected("Received data bytes count is not equal 11.");

    const auto id = foundation::fromRaw<BtId>(static_cast<uint16_t>(tmpBuf[0] << 8 | tmpBuf[1]));
    if (!id)
        return rejected("Failed to convert received data head bytes to little endian.");
    switch (*id) {
    case BtId::detection: return setDataBT02(tmpBuf);
    case BtId::verification: return setDataBT04(tmpBuf);
    case BtId::csr_request: return setDataBT05(tmpBuf, doChecksum);
    case BtId::information: return setDataBT06(tmpBuf);
    case BtId::abnormality: return setDataBT08(tmpBuf);
    case BtId::none:
    case BtId::operation: break;
    }
    return rejected("Received BTID is unknown.");
}

} // namespace tolvane
