#pragma once

#include "Internal/Model/BtIdtBtRq.h"
#include "Internal/Model/BtIdtDspId.h"

#include <optional>

namespace tolvane {

// The verification message: the vehicle's verification display id and request.
struct MekVerification {
    BtIdtDspId IDTDSPID = BtIdtDspId::none;
    std::optional<BtIdtBtRq> IDTBTRQ;

    bool operator==(const MekVerification&) const = default;
};

} // namespace tolvane
