#pragma once

#include "Internal/Model/RequiredDisplayId.h"
#include "foundation/EnumCases.h"

#include <cstdint>

namespace tolvane {

// The vehicle's display id. The declaration order is not the order of the raw values (0x12 follows
// 0x14, 0xFF precedes 0xFE); the gaps between raw values are no display ids.
#define TOLVANE_BT_MEK_DSP_IDS(X) \
    X(def, 0x00) \
    X(connect, 0x02) \
    X(finish_forget_hazard, 0x0A) \
    X(arrival, 0x0D) \
    X(parkout_comp, 0x0E) \
    X(parkin_comp, 0x0F) \
    X(sel_parkin_parallel_backward, 0x10) \
    X(sel_parkin_parallel_forward, 0x11) \
    X(sel_parkin_obstacle_parallel_backward, 0x13) \
    X(sel_parkin_obstacle_parallel_forward, 0x14) \
    X(sel_parkout_parallel, 0x12) \
    X(resume, 0x1A) \
    X(sel_parkin_vertical, 0x20) \
    X(sel_parkout_vertical, 0x21) \
    X(sel_parkin_obstacle_vertical, 0x22) \
    X(sel_forward_backward, 0x30) \
    X(sel_obstacle_forward_backward, 0x31) \
    X(controlling_inpark, 0x40) \
    X(controlling_outpark, 0x41) \
    X(controlling_fowaback, 0x42) \
    X(controlling_inpark_operation_disruption, 0x80) \
    X(halt_btloss, 0x81) \
    X(halt_outarea, 0x82) \
    X(halt_opendoor, 0x83) \
    X(halt_actpksb, 0x84) \
    X(halt_bydrive, 0x85) \
    X(halt_smart_ope, 0x86) \
    X(halt_canloss, 0x87) \
    X(stop_lowbattery, 0x88) \
    X(halt_background, 0x89) \
    X(halt_btrestart, 0x8A) \
    X(halt_smartkey_on_vehicle, 0x8B) \
    X(halt_seat_belt_on, 0x8C) \
    X(halt_charging_plug, 0x8D) \
    X(halt_obstacle, 0x8E) \
    X(halt_door_unlock, 0x8F) \
    X(controlling_outpark_operation_disruption, 0x90) \
    X(controlling_fowaback_operation_disruption, 0x91) \
    X(halt_route_lost, 0x92) \
    X(stop_user_self, 0xC1) \
    X(stop_user_drive, 0xC2) \
    X(stop_timeout_control, 0xC3) \
    X(stop_lose_path, 0xC4) \
    X(stop_vehicle_failout, 0xC5) \
    X(stop_brk_failout, 0xC6) \
    X(stop_camera_dirt, 0xC7) \
    X(stop_verify_failout, 0xCA) \
    X(stop_noselectable_plan, 0xCB) \
    X(stop_apsw, 0xCC) \
    X(stop_pvm_sw, 0xCD) \
    X(stop_sonar_dirt, 0xCE) \
    X(stop_steep_slope, 0xCF) \
    X(stop_outside_temperature, 0xD0) \
    X(stop_overspeed, 0xD1) \
    X(stop_non_start_ig_on, 0xD2) \
    X(stop_mirror_deployment, 0xD3) \
    X(stop_smart_cancel, 0xD4) \
    X(stop_brake_on, 0xD5) \
    X(stop_brake_on_timeout, 0xD6) \
    X(cannot_start_system_fail, 0xE0) \
    X(cannot_start_currently_unavailable, 0xE1) \
    X(cannot_start_illegal_start, 0xE2) \
    X(cannot_start_smart_cancel, 0xE4) \
    X(blinker_registration_confirmation, 0xF9) \
    X(csr_communication_blackout, 0xFA) \
    X(csr_counter_error, 0xFB) \
    X(csr_checksum_error_confirmation, 0xFC) \
    X(csr_checksum_error, 0xFD) \
    X(vehicle_registration_confirmation, 0xFF) \
    X(bluetooth_error, 0xFE)

enum class BtMekDspId : uint32_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_BT_MEK_DSP_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

// The screen class the application shows for a vehicle display id.
RequiredDisplayId convertToRequiredDisplayId(BtMekDspId id);

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::BtMekDspId> {
    using E = tolvane::BtMekDspId;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_BT_MEK_DSP_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
