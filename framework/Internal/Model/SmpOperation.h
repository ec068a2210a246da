#pragma once

#include "Internal/Model/BtId.h"
#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/BtSmpAct.h"
#include "Internal/Model/BtSmpBtn.h"
#include "Internal/Model/BtSmpSelMd.h"

#include <cstdint>

namespace tolvane {

// The operation record the phone sends every send cycle.
struct SmpOperation {
    BtId btid = BtId::operation;
    BtSmpAct act = BtSmpAct::off;
    uint32_t x = 0;
    uint32_t y = 0;
    BtSmpBtn btn = BtSmpBtn::def;
    BtSmpSelMd sel = BtSmpSelMd::parkplan0;
    BtMekDspId disp = BtMekDspId::def; // the vehicle's display id echoed back
    uint32_t smpcnt = 0; // the phone's rolling counter; only its low 8 bits are sent

    bool operator==(const SmpOperation&) const = default;
};

} // namespace tolvane
