#pragma once

#include "Internal/Model/BtIdtBtRq.h"
#include "Internal/Model/BtIdtDspId.h"
#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/SLIP.h"

#include <algorithm>
#include <array>
#include <cstdint>

// Frames as the vehicle sends them, built from their fields, for tests that feed the receive path.
namespace testing_support::vehicle {

inline foundation::Bytes frame(uint8_t id, std::array<uint8_t, 9> body)
{
    foundation::Bytes message(2 + body.size());
    message[1] = id;
    std::copy(body.begin(), body.end(), message.begin() + 2);
    return tolvane::SLIP::encode(message);
}

struct CsrRequest {
    tolvane::BtMekDspId dspId = tolvane::BtMekDspId::def;
    uint8_t ctrmd = 0;
    uint8_t tgtmd = 0;
    uint8_t dist = 0;
    uint8_t lr = 0; // 6 bits
    uint8_t fb = 0; // 2 bits
    uint8_t counter = 25;
    bool wrongChecksum = false;
};

// The vehicle scrambles its counter by exchanging the halves and XOR-ing 0x2E, the inverse of what
// the phone undoes.
inline uint8_t scrambledVehicleCounter(uint8_t counter)
{
    return static_cast<uint8_t>((counter << 4 | counter >> 4) ^ 0x2E);
}

inline foundation::Bytes csrRequestFrame(const CsrRequest& r)
{
    const auto dsp = static_cast<uint8_t>(foundation::rawValue(r.dspId));
    const uint8_t wireCounter = scrambledVehicleCounter(r.counter);
    const uint8_t lrfb = static_cast<uint8_t>(r.lr << 2 | (r.fb & 3));
    const int sum = dsp + r.ctrmd + r.tgtmd + r.dist + r.lr + (r.fb & 3) + wireCounter + (r.wrongChecksum ? 1 : 0);
    return frame(0x05, {0x00, dsp, r.ctrmd, r.tgtmd, r.dist, lrfb, 0x00, wireCounter, static_cast<uint8_t>(sum)});
}

inline foundation::Bytes detectionFrame(const tolvane::MekDetect& d)
{
    const auto pack = [](int64_t pos1, int64_t pos2, int64_t wrn) {
        return static_cast<uint8_t>(pos1 << 5 | pos2 << 2 | wrn);
    };
    return frame(0x02, {0x00, pack(d.FR_POS, d.FL_POS, d.FR_WRN), pack(d.FRC_POS, d.FLC_POS, d.FL_WRN),
                        pack(d.RR_POS, d.RL_POS, d.FRC_WRN), pack(d.RRC_POS, d.RLC_POS, d.FLC_WRN),
                        static_cast<uint8_t>(d.RR_WRN << 6 | d.RL_WRN << 4 | d.RRC_WRN << 2 | d.RLC_WRN), 0, 0, 0});
}

inline foundation::Bytes informationFrame(const tolvane::MekInfo& i)
{
    const auto four = [](int64_t a, int64_t b, int64_t c, int64_t d) {
        return static_cast<uint8_t>(a << 6 | b << 4 | c << 2 | d);
    };
    return frame(0x06, {0x00, four(i.MV_FL, i.MV_FR, i.MV_RL, i.MV_RR), four(i.MV_FLS, i.MV_FRS, i.MV_RLS, i.MV_RRS),
                        four(0, 0, i.MV_FC, i.MV_RC), static_cast<uint8_t>(i.FRS_POS << 5 | i.FLS_POS << 2 | i.FRS_WRN),
                        static_cast<uint8_t>(i.RRS_POS << 5 | i.RLS_POS << 2 | i.FLS_WRN),
                        four(i.RRS_WRN, i.RLS_WRN, 0, 0), 0, 0});
}

inline foundation::Bytes verificationFrame(tolvane::BtIdtBtRq request, tolvane::BtIdtDspId dspId)
{
    return frame(0x04, {0x00, foundation::rawValue(request), foundation::rawValue(dspId), 0, 0, 0, 0, 0, 0});
}

inline foundation::Bytes abnormalityFrame(bool dcuIdtError, bool dcuCsrError)
{
    return frame(0x08, {0x00, static_cast<uint8_t>((dcuIdtError ? 0x80 : 0) | (dcuCsrError ? 0x40 : 0)), 0, 0, 0, 0, 0, 0, 0});
}

} // namespace testing_support::vehicle
