#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Display id of the verification message.
#define TOLVANE_BT_IDT_DSP_IDS(X) \
    X(none, 0) \
    X(ab_end, 1) \
    X(ab_sys_inspect, 2) \
    X(ab_sys_confirm, 3) \
    X(ab_keys_nodetect, 4) \
    X(ab_battstatus, 5) \
    X(ab_conn_batt, 6) \
    X(ab_keys_incar, 7)

enum class BtIdtDspId : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_IDT_DSP_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtIdtDspId> {
    using E = tolvane::BtIdtDspId;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_IDT_DSP_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
