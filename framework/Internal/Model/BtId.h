#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Message id, the first two bytes of every message (high byte first). Ids 3 and 7 do not exist.
#define TOLVANE_BT_IDS(X) \
    X(none, 0) /* never sent; a received 0 is rejected */ \
    X(operation, 1) /* phone to vehicle, the only message the phone sends */ \
    X(detection, 2) \
    X(verification, 4) \
    X(csr_request, 5) \
    X(information, 6) \
    X(abnormality, 8)

enum class BtId : uint16_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtId> {
    using E = tolvane::BtId;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
