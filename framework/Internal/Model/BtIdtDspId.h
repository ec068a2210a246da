#pragma once

#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// Display id of the verification message.
enum class BtIdtDspId : uint8_t {
    none = 0,
    ab_end = 1,
    ab_sys_inspect = 2,
    ab_sys_confirm = 3,
    ab_keys_nodetect = 4,
    ab_battstatus = 5,
    ab_conn_batt = 6,
    ab_keys_incar = 7,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtIdtDspId> {
    using E = tolvane::BtIdtDspId;
    static constexpr std::array all{E::none,          E::ab_end,        E::ab_sys_inspect, E::ab_sys_confirm,
                                    E::ab_keys_nodetect, E::ab_battstatus, E::ab_conn_batt,   E::ab_keys_incar};
};
