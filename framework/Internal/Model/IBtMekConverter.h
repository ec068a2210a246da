#pragma once

#include "Internal/Model/BtMekDspId.h"

namespace tolvane {

// Picks the vehicle display id the phone echoes, from the plan, the running operation or the top
// cause, so the vehicle knows which screen the phone shows.
class IBtMekConverter {
public:
    virtual ~IBtMekConverter() = default;
    virtual BtMekDspId convertToParkInBtMekDspId() const = 0;
    virtual BtMekDspId convertToParkOutBtMekDspId() const = 0;
    virtual BtMekDspId convertToForwardBackwardBtMekDspId() const = 0;
    virtual BtMekDspId convertToOperateBtMekDspId() const = 0;
    virtual BtMekDspId convertToCauseBtMekDspId() const = 0;
};

} // namespace tolvane
