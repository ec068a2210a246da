#include "vehicle-sim/VehicleMessageWriter.h"

#include "Internal/Model/CheckSum.h"
#include "Internal/Model/CounterEncryption.h"
#include "Internal/Model/SLIP.h"

#include <array>

namespace vehiclesim {
namespace {

using foundation::Bytes;

// A message of the vehicle: its id, byte 2 (never read by the phone) and the body from byte 3 on.
Bytes frame(uint8_t id, const Bytes& body)
{
    Bytes message(11, 0x00);
    message[1] = id;
    for (size_t i = 0; i < body.size() && 3 + i < message.size(); ++i)
        message[3 + i] = body[i];
    return tolvane::SLIP::encode(message);
}

uint8_t bits(int64_t value, int width, int shift)
{
    return static_cast<uint8_t>((value & ((1 << width) - 1)) << shift);
}

// The inverse of the phone's unscrambling, which masks the byte and then swaps its halves.
uint8_t scrambledCounter(uint8_t counter)
{
    const auto swapped = static_cast<uint8_t>((counter << 4) | (counter >> 4));
    return swapped ^ tolvane::CounterEncryption::FOR_DECRYPT;
}

} // namespace

Bytes VehicleMessageWriter::detection(const tolvane::MekDetect& d)
{
    return frame(0x02, {
                           static_cast<uint8_t>(bits(d.FR_POS, 3, 5) | bits(d.FL_POS, 3, 2) | bits(d.FR_WRN, 2, 0)),
                           static_cast<uint8_t>(bits(d.FRC_POS, 3, 5) | bits(d.FLC_POS, 3, 2) | bits(d.FL_WRN, 2, 0)),
                           static_cast<uint8_t>(bits(d.RR_POS, 3, 5) | bits(d.RL_POS, 3, 2) | bits(d.FRC_WRN, 2, 0)),
                           static_cast<uint8_t>(bits(d.RRC_POS, 3, 5) | bits(d.RLC_POS, 3, 2) | bits(d.FLC_WRN, 2, 0)),
                           static_cast<uint8_t>(bits(d.RR_WRN, 2, 6) | bits(d.RL_WRN, 2, 4) | bits(d.RRC_WRN, 2, 2) |
                                                bits(d.RLC_WRN, 2, 0)),
                       });
}

Bytes VehicleMessageWriter::verification(const tolvane::MekVerification& v)
{
    return frame(0x04, {foundation::rawValue(v.IDTBTRQ.value_or(tolvane::BtIdtBtRq::parkInOrFowaback)),
                        foundation::rawValue(v.IDTDSPID)});
}

Bytes VehicleMessageWriter::csrRequest(const tolvane::MekCsrReq& r, uint8_t counter, bool wrongChecksum)
{
    const auto displayId = static_cast<uint8_t>(foundation::rawValue(r.MEKDSPID));
    const auto control = static_cast<uint8_t>(r.MEKCTRMD);
    const auto target = static_cast<uint8_t>(r.MEKTGTMD);
    const auto distance = static_cast<uint8_t>(r.MEKDIST);
    const uint8_t wireCounter = scrambledCounter(counter);
    const std::array<int64_t, 7> fields{displayId, control, target, distance, r.MEKLR & 0x3F, r.MEKFB & 0x03, wireCounter};
    auto sum = static_cast<uint8_t>(tolvane::checkSum(fields));
    if (wrongChecksum)
        ++sum;
    return frame(0x05, {displayId, control, target, distance,
                        static_cast<uint8_t>(bits(r.MEKLR, 6, 2) | bits(r.MEKFB, 2, 0)), 0x00, wireCounter, sum});
}

Bytes VehicleMessageWriter::information(const tolvane::MekInfo& i)
{
    return frame(0x06, {
                           static_cast<uint8_t>(bits(i.MV_FL, 2, 6) | bits(i.MV_FR, 2, 4) | bits(i.MV_RL, 2, 2) |
                                                bits(i.MV_RR, 2, 0)),
                           static_cast<uint8_t>(bits(i.MV_FLS, 2, 6) | bits(i.MV_FRS, 2, 4) | bits(i.MV_RLS, 2, 2) |
                                                bits(i.MV_RRS, 2, 0)),
                           static_cast<uint8_t>(bits(i.MV_FC, 2, 2) | bits(i.MV_RC, 2, 0)),
                           static_cast<uint8_t>(bits(i.FRS_POS, 3, 5) | bits(i.FLS_POS, 3, 2) | bits(i.FRS_WRN, 2, 0)),
                           static_cast<uint8_t>(bits(i.RRS_POS, 3, 5) | bits(i.RLS_POS, 3, 2) | bits(i.FLS_WRN, 2, 0)),
                           static_cast<uint8_t>(bits(i.RRS_WRN, 2, 6) | bits(i.RLS_WRN, 2, 4)),
                       });
}

Bytes VehicleMessageWriter::abnormality(const tolvane::MekAbnormal& a)
{
    return frame(0x08, {static_cast<uint8_t>(bits(a.DCUIDTER, 1, 7) | bits(a.DCUCSRER, 1, 6))});
}

} // namespace vehiclesim
