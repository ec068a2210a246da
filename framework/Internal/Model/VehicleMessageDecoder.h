#pragma once

#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/MekVerification.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>

namespace tolvane {

// One received frame, read: the record it carries and, for a rejected frame, the cause to log. A
// control-state request whose only fault is its checksum carries both, since the checksum detector
// needs to see the marked record.
struct DecodedFrame {
    using Record = std::variant<MekDetect, MekVerification, MekCsrReq, MekInfo, MekAbnormal>;

    // Not an aggregate on purpose: GCC zero-fills a whole aggregate of optionals before filling it,
    // which cost more than decoding the frame.
    DecodedFrame(std::optional<Record> record, std::optional<std::string> abnormalCode)
        : record(std::move(record))
        , abnormalCode(std::move(abnormalCode))
    {
    }

    std::optional<Record> record;
    std::optional<std::string> abnormalCode;
};

// The wire layout of the five messages the vehicle sends: which bits feed which field, the values
// that are out of range and the checksum of the control-state request. Pure functions of the bytes.
class VehicleMessageDecoder {
public:
    static constexpr size_t kMessageSize = 11;

    // Checks one frame as cut from the stream (its END bytes included), removes its framing and
    // decodes the message its id names.
    static DecodedFrame decodeReqestCode(std::span<const uint8_t> frame, bool doChecksum);
};

} // namespace tolvane
