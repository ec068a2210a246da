#pragma once

#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/MekVerification.h"
#include "foundation/Bytes.h"

#include <cstdint>

namespace vehiclesim {

// The vehicle's side of the wire: its five messages packed as the phone's decoders read them,
// each returned as one SLIP frame.
class VehicleMessageWriter {
public:
    static foundation::Bytes detection(const tolvane::MekDetect& detect);
    static foundation::Bytes verification(const tolvane::MekVerification& verification);
    // `counter` travels scrambled; a wrong checksum is written when asked for.
    static foundation::Bytes csrRequest(const tolvane::MekCsrReq& request, uint8_t counter, bool wrongChecksum = false);
    static foundation::Bytes information(const tolvane::MekInfo& info);
    static foundation::Bytes abnormality(const tolvane::MekAbnormal& abnormal);
};

} // namespace vehiclesim
