#pragma once

#include "Internal/Model/OperateDirection.h"
#include "Internal/Model/OperateReq.h"

#include <cstdint>

namespace tolvane {

// What the car is doing while it moves, with the states of the three operation buttons.
struct OperateInfo {
    OperateDirection operateDirection;
    int64_t remainDistance;
    OperateReq operateInterruptReq;
    OperateReq operateFinishReq;
    OperateReq operateDirectionSwitchReq;

    bool operator==(const OperateInfo&) const = default;
};

} // namespace tolvane
