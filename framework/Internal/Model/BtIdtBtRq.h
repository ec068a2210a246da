#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Request of the verification message.
#define TOLVANE_BT_IDT_BT_RQS(X) \
    X(parkInOrFowaback, 0) \
    X(parkOut, 1)

enum class BtIdtBtRq : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_IDT_BT_RQS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtIdtBtRq> {
    using E = tolvane::BtIdtBtRq;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_IDT_BT_RQS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
