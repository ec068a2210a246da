#pragma once

// A lean, hand-written codec of the same frames, written straight from the wire layout with no
// layers between: the baseline the project's codec is measured against. Same checks, same results;
// nothing here is used by the product.

#include "Internal/Model/BtIdtBtRq.h"
#include "Internal/Model/BtIdtDspId.h"
#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/MekVerification.h"
#include "Internal/Model/SmpOperation.h"
#include "foundation/Bytes.h"

#include <array>
#include <cstdint>
#include <span>

namespace lean {

constexpr uint8_t END = 0xC0;
constexpr uint8_t ESC = 0xDB;

// Which byte values name a case of a one-byte enumeration.
template <typename E>
constexpr std::array<bool, 256> knownValues()
{
    std::array<bool, 256> known{};
    for (E value : foundation::allCases<E>())
        known[foundation::rawValue(value)] = true;
    return known;
}

inline constexpr auto kMekDspIds = knownValues<tolvane::BtMekDspId>();
inline constexpr auto kIdtDspIds = knownValues<tolvane::BtIdtDspId>();
inline constexpr auto kIdtBtRqs = knownValues<tolvane::BtIdtBtRq>();

inline uint8_t unscrambledCounter(uint8_t wire)
{
    const uint8_t x = wire ^ 0x2E;
    return static_cast<uint8_t>(x << 4 | x >> 4);
}

inline uint8_t scrambledCounter(uint8_t counter)
{
    uint8_t reversed = 0;
    for (int bit = 0; bit < 8; ++bit)
        reversed |= static_cast<uint8_t>(((counter >> bit) & 1) << (7 - bit));
    return reversed ^ 0x6B;
}

// Hands each decoded record to `sink`; a rejected frame gives nothing.
template <class Sink>
void decodeMessage(const uint8_t* m, Sink& sink)
{
    const auto bits = [](uint8_t byte, int low, int width) -> int64_t { return (byte >> low) & ((1 << width) - 1); };
    if (m[0] != 0)
        return;
    switch (m[1]) {
    case 0x02: {
        tolvane::MekDetect d;
        d.FR_POS = bits(m[3], 5, 3), d.FL_POS = bits(m[3], 2, 3), d.FR_WRN = bits(m[3], 0, 2);
        d.FRC_POS = bits(m[4], 5, 3), d.FLC_POS = bits(m[4], 2, 3), d.FL_WRN = bits(m[4], 0, 2);
        d.RR_POS = bits(m[5], 5, 3), d.RL_POS = bits(m[5], 2, 3), d.FRC_WRN = bits(m[5], 0, 2);
        d.RRC_POS = bits(m[6], 5, 3), d.RLC_POS = bits(m[6], 2, 3), d.FLC_WRN = bits(m[6], 0, 2);
        d.RR_WRN = bits(m[7], 6, 2), d.RL_WRN = bits(m[7], 4, 2), d.RRC_WRN = bits(m[7], 2, 2),
        d.RLC_WRN = bits(m[7], 0, 2);
        if (d.FLC_POS == 7 || d.FRC_POS == 7 || d.RLC_POS == 7 || d.RRC_POS == 7 || d.FL_POS >= 6 || d.FR_POS >= 6
            || d.RL_POS >= 6 || d.RR_POS >= 6)
            return;
        sink(d);
        return;
    }
    case 0x04: {
        if (!kIdtDspIds[m[4]] || !kIdtBtRqs[m[3]])
            return;
        sink(tolvane::MekVerification{.IDTDSPID = static_cast<tolvane::BtIdtDspId>(m[4]),
                                      .IDTBTRQ = static_cast<tolvane::BtIdtBtRq>(m[3])});
        return;
    }
    case 0x05: {
        tolvane::MekCsrReq r;
        if (!kMekDspIds[m[3]])
            return;
        r.MEKDSPID = static_cast<tolvane::BtMekDspId>(m[3]);
        r.MEKCTRMD = m[4], r.MEKTGTMD = m[5], r.MEKDIST = m[6], r.MEKLR = m[7] >> 2, r.MEKFB = m[7] & 3;
        if (static_cast<uint8_t>(m[3] + m[4] + m[5] + m[6] + (m[7] >> 2) + (m[7] & 3) + m[9]) != m[10])
            return;
        r.MEKFRLR = m[7] & 0x0F, r.MEKCNT = unscrambledCounter(m[9]), r.MEKSUM = m[10], r.SMPCNT = r.MEKCNT;
        r.remainDist = m[6], r.encryptedMEKCNT = m[9];
        sink(r);
        return;
    }
    case 0x06: {
        tolvane::MekInfo i;
        i.MV_FL = bits(m[3], 6, 2), i.MV_FR = bits(m[3], 4, 2), i.MV_RL = bits(m[3], 2, 2), i.MV_RR = bits(m[3], 0, 2);
        i.MV_FLS = bits(m[4], 6, 2), i.MV_FRS = bits(m[4], 4, 2), i.MV_RLS = bits(m[4], 2, 2),
        i.MV_RRS = bits(m[4], 0, 2);
        i.MV_FC = bits(m[5], 2, 2), i.MV_RC = bits(m[5], 0, 2);
        i.FRS_POS = bits(m[6], 5, 3), i.FLS_POS = bits(m[6], 2, 3), i.FRS_WRN = bits(m[6], 0, 2);
        i.RRS_POS = bits(m[7], 5, 3), i.RLS_POS = bits(m[7], 2, 3), i.FLS_WRN = bits(m[7], 0, 2);
        i.RRS_WRN = bits(m[8], 6, 2), i.RLS_WRN = bits(m[8], 4, 2);
        // Every moving-object state is 0 or 1: no bit 1 set in any of the ten pairs.
        if ((m[3] & 0xAA) || (m[4] & 0xAA) || (m[5] & 0x0A) || i.FLS_POS >= 6 || i.FRS_POS >= 6 || i.RLS_POS >= 6
            || i.RRS_POS >= 6)
            return;
        sink(i);
        return;
    }
    case 0x08: sink(tolvane::MekAbnormal{.DCUIDTER = m[3] >> 7, .DCUCSRER = (m[3] >> 6) & 1}); return;
    default: return;
    }
}

// Cuts a chunk at its END bytes, removes the escapes and decodes every 11-byte message.
template <class Sink>
void decode(std::span<const uint8_t> chunk, Sink& sink)
{
    uint8_t message[11];
    size_t length = 0;
    bool escaped = false;
    for (uint8_t byte : chunk) {
        if (byte == END) {
            if (length == 11)
                decodeMessage(message, sink);
            length = 0;
            escaped = false;
            continue;
        }
        if (escaped) {
            byte = byte == 0xDC ? END : byte == 0xDD ? ESC : byte;
            escaped = false;
        } else if (byte == ESC) {
            escaped = true;
            continue;
        }
        if (length < 11)
            message[length] = byte;
        length += length <= 11;
    }
}

// One operation message as its frame.
inline foundation::Bytes encode(const tolvane::SmpOperation& o)
{
    const auto fold = [](uint32_t value) -> uint32_t { return value == 0 ? 0 : value % 1023 + 1; };
    const uint32_t act = static_cast<uint32_t>(o.act), x = fold(o.x), btn = static_cast<uint32_t>(o.btn),
                   y = fold(o.y), disp = static_cast<uint32_t>(o.disp), sel = static_cast<uint32_t>(o.sel);
    const auto id = static_cast<uint16_t>(o.btid);
    uint8_t m[11] = {static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id),
                     0x08, static_cast<uint8_t>(((act << 2) & 0x04) | ((x >> 8) & 0x03)),
                     static_cast<uint8_t>(x), static_cast<uint8_t>(((btn << 2) & 0xFC) | ((y >> 8) & 0x03)),
                     static_cast<uint8_t>(y), static_cast<uint8_t>(disp),
                     static_cast<uint8_t>(sel), static_cast<uint8_t>(o.smpcnt)};
    if (id == 1)
        m[9] = scrambledCounter(m[9]);
    m[10] = static_cast<uint8_t>(act + x + btn + y + disp + sel + m[9]);
    foundation::Bytes frame;
    frame.reserve(2 * sizeof m + 2);
    frame.push_back(END);
    for (uint8_t byte : m) {
        if (byte == END || byte == ESC) {
            frame.push_back(ESC);
            frame.push_back(byte == END ? 0xDC : 0xDD);
        } else {
            frame.push_back(byte);
        }
    }
    frame.push_back(END);
    return frame;
}

} // namespace lean
