#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Message id, the first two bytes of every message (high byte first). Ids 3 and 7 do not exist.
enum class BtId : uint16_t {
    none = 0, // never sent; a received 0 is rejected
    operation = 1, // phone to vehicle, the only message the phone sends
    detection = 2,
    verification = 4,
    csr_request = 5,
    information = 6,
    abnormality = 8,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtId> {
    using E = tolvane::BtId;
    static constexpr std::array all{E::none,        E::operation,   E::detection,  E::verification,
                                    E::csr_request, E::information, E::abnormality};
};
