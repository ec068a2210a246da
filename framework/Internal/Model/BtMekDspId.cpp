#include "Internal/Model/BtMekDspId.h"

namespace tolvane {

RequiredDisplayId convertToRequiredDisplayId(BtMekDspId id)
{
    using enum BtMekDspId;
    switch (id) {
    case def:
    case connect:
        return RequiredDisplayId::DEF;
    case finish_forget_hazard:
        return RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD;
    case arrival:
        return RequiredDisplayId::REACH_POINT;
    case parkout_comp:
        return RequiredDisplayId::COMPLETE_PARK_OUT;
    case parkin_comp:
        return RequiredDisplayId::COMPLETE_PARK_IN;
    case sel_parkin_parallel_backward:
    case sel_parkin_parallel_forward:
    case sel_parkin_obstacle_parallel_backward:
    case sel_parkin_obstacle_parallel_forward:
    case sel_parkin_vertical:
    case sel_parkin_obstacle_vertical:
        return RequiredDisplayId::SEL_PARK_IN;
    case sel_parkout_parallel:
    case sel_parkout_vertical:
        return RequiredDisplayId::SEL_PARK_OUT;
    case resume:
        return RequiredDisplayId::RESUME;
    case sel_forward_backward:
    case sel_obstacle_forward_backward:
        return RequiredDisplayId::SEL_FORWARD_BACKWARD;
    case controlling_inpark:
    case controlling_outpark:
    case controlling_fowaback:
    case controlling_inpark_operation_disruption:
    case controlling_outpark_operation_disruption:
    case controlling_fowaback_operation_disruption:
        return RequiredDisplayId::OPERATE;
    case halt_btloss:
    case halt_outarea:
    case halt_opendoor:
    case halt_actpksb:
    case halt_bydrive:
    case halt_smart_ope:
    case halt_canloss:
    case stop_lowbattery:
    case halt_background:
    case halt_smartkey_on_vehicle:
    case halt_seat_belt_on:
    case halt_charging_plug:
    case halt_obstacle:
    case halt_door_unlock:
    case halt_route_lost:
    case csr_checksum_error:
    case bluetooth_error:
        return RequiredDisplayId::HALT;
    case halt_btrestart:
        return RequiredDisplayId::SENSING;
    case stop_user_self:
    case stop_user_drive:
    case stop_timeout_control:
    case stop_lose_path:
    case stop_vehicle_failout:
    case stop_brk_failout:
    case stop_camera_dirt:
    case stop_verify_failout:
    case stop_noselectable_plan:
    case stop_apsw:
    case stop_pvm_sw:
    case stop_sonar_dirt:
    case stop_steep_slope:
    case stop_outside_temperature:
    case stop_overspeed:
    case stop_non_start_ig_on:
    case stop_mirror_deployment:
    case stop_smart_cancel:
    case stop_brake_on:
    case stop_brake_on_timeout:
    case cannot_start_system_fail:
    case cannot_start_currently_unavailable:
    case cannot_start_illegal_start:
    case cannot_start_smart_cancel:
    case csr_communication_blackout:
    case csr_counter_error:
    case csr_checksum_error_confirmation:
        return RequiredDisplayId::STOP;
    case blinker_registration_confirmation:
        return RequiredDisplayId::VALID_VEHICLE_BLINKER;
    case vehicle_registration_confirmation:
        return RequiredDisplayId::VALID_VEHICLE;
    }
    return RequiredDisplayId::DEF; // only a value cast from outside the enumeration gets here
}

} // namespace tolvane
