#pragma once

#include "Internal/Model/IInternalSendBTData.h"

namespace tolvane {

// The operation that ends a run: off, no touch, no button, no plan, and the display id and the
// counter pinned at def and 0.
inline const OperationDataUpdate neutralOperation{
    .act = BtSmpAct::off,
    .x = 0,
    .y = 0,
    .btn = BtSmpBtn::def,
    .sel = BtSmpSelMd::parkplan0,
    .disp = BtMekDspId::def,
    .dispMountAction = MountActionOfTransmissionValue::mount,
    .smpcnt = 0,
    .smpcntMountAction = MountActionOfTransmissionValue::mount,
};

} // namespace tolvane
