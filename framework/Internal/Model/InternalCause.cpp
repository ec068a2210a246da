#include "Internal/Model/InternalCause.h"

#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekVerification.h"

namespace tolvane {
namespace {

struct CauseProperties {
    InternalCause cause;
    int64_t priority;
    CauseId causeId;
    std::optional<RequiredDisplayId> displayId;
};

constexpr auto none = std::nullopt;
constexpr auto HALT = RequiredDisplayId::HALT;
constexpr auto STOP = RequiredDisplayId::STOP;

// One row per case, in case order.
constexpr std::array<CauseProperties, 60> kProperties{{
    {InternalCause::def, 16, CauseId::DEF, none},
    {InternalCause::haltReqBtLoss, 2, CauseId::BT_LOSS, HALT},
    {InternalCause::stopReqBtLoss, 2, CauseId::BT_LOSS, STOP},
    {InternalCause::haltVerificationBtLoss, 2, CauseId::BT_LOSS, HALT},
    {InternalCause::stopVerificationBtLoss, 2, CauseId::BT_LOSS, STOP},
    {InternalCause::outArea, 15, CauseId::OUT_AREA, HALT},
    {InternalCause::openDoor, 14, CauseId::OPEN_DOOR, HALT},
    {InternalCause::actPksb, 15, CauseId::ACT_PKSB, HALT},
    {InternalCause::byDrive, 14, CauseId::BY_DRIVE, HALT},
    {InternalCause::smartOpe, 14, CauseId::SMART_OPE, HALT},
    {InternalCause::canLoss, 16, CauseId::CAN_LOSS, HALT},
    {InternalCause::lowBattery, 11, CauseId::LOW_BATTERY, STOP},
    {InternalCause::keyInCar, 15, CauseId::KEY_IN_CAR, HALT},
    {InternalCause::beltOn, 14, CauseId::BELT_ON, HALT},
    {InternalCause::plugConnect, 14, CauseId::PLUG_CONNECT, HALT},
    {InternalCause::obstacle, 14, CauseId::OBSTACLE, HALT},
    {InternalCause::doorUnlock, 14, CauseId::DOOR_UNLOCK, HALT},
    {InternalCause::routeLost, 14, CauseId::ROUTE_LOST, HALT},
    {InternalCause::userSelf, 13, CauseId::USER_SELF, STOP},
    {InternalCause::userDrive, 13, CauseId::USER_DRIVE, STOP},
    {InternalCause::timeoutControl, 13, CauseId::TIMEOUT_CONTROL, STOP},
    {InternalCause::losePath, 12, CauseId::LOSE_PATH, STOP},
    {InternalCause::vehicleFailOut, 12, CauseId::VEHICLE_FAIL_OUT, STOP},
    {InternalCause::usageProhibited, 12, CauseId::USAGE_PROHIBITED, STOP},
    {InternalCause::cameraDart, 12, CauseId::CAMERA_DART, STOP},
    {InternalCause::verifyFailOut, 12, CauseId::VERIFY_FAIL_OUT, STOP},
    {InternalCause::noSpace, 12, CauseId::NO_SPACE, STOP},
    {InternalCause::apswPush, 13, CauseId::APSW_PUSH, STOP},
    {InternalCause::pvmCancel, 11, CauseId::PVM_CANCEL, STOP},
    {InternalCause::sonarDart, 12, CauseId::SONAR_DART, STOP},
    {InternalCause::steepSlope, 12, CauseId::STEEP_SLOPE, STOP},
    {InternalCause::temperatureLow, 12, CauseId::TEMPERATURE_LOW, STOP},
    {InternalCause::overSpeed, 12, CauseId::OVER_SPEED, STOP},
    {InternalCause::failFlag, 13, CauseId::FAIL_FLAG, STOP},
    {InternalCause::failMirror, 12, CauseId::FAIL_MIRROR, STOP},
    {InternalCause::smartCancel, 13, CauseId::SMART_CANCEL, STOP},
    {InternalCause::brekeComplete, 12, CauseId::BREAK_COMPLETE, STOP},
    {InternalCause::breakTimeout, 9, CauseId::BREAK_TIMEOUT, STOP},
    {InternalCause::cannotStartVehicleFailOut, 12, CauseId::CANNOT_START_VEHICLE_FAIL_OUT, STOP},
    {InternalCause::cannotStartUsageProhibited, 12, CauseId::CANNOT_START_USAGE_PROHIBITED, STOP},
    {InternalCause::wrongWay, 14, CauseId::WRONG_WAY, HALT},
    {InternalCause::cannotStartSmartCancel, 13, CauseId::CANNOT_START_SMART_CANCEL, STOP},
    {InternalCause::haltCounterAnomaly, 8, CauseId::COUNTER_ANOMALY, HALT},
    {InternalCause::stopCounterAnomaly, 8, CauseId::COUNTER_ANOMALY, STOP},
    {InternalCause::haltChecksumAnomaly, 7, CauseId::CHECKSUM_ANOMALY, HALT},
    {InternalCause::stopChecksumAnomaly, 7, CauseId::CHECKSUM_ANOMALY, STOP},
    {InternalCause::abnormalEnd, 5, CauseId::ABNORMAL_END, STOP},
    {InternalCause::sysInspect, 5, CauseId::SYS_INSPECT, STOP},
    {InternalCause::sysConfirm, 5, CauseId::SYS_CONFIRM, STOP},
    {InternalCause::keysNoDetect, 6, CauseId::KEYS_NO_DETECT, HALT},
    {InternalCause::abnormalButteryStatus, 5, CauseId::ABNORMAL_BUTTERY_STATUS, STOP},
    {InternalCause::abnormalConnectBattery, 6, CauseId::ABNORMAL_CONNECT_BATTERY, HALT},
    {InternalCause::abnormalKeyInCar, 6, CauseId::ABNORMAL_KEY_IN_CAR, HALT},
    {InternalCause::haltBtOff, 1, CauseId::BT_OFF, HALT},
    {InternalCause::stopBtOff, 1, CauseId::BT_OFF, STOP},
    {InternalCause::haltDcucsrerInterrupt, 3, CauseId::DCUCSRER_INTERRUPT, HALT},
    {InternalCause::stopDcucsrerInterrupt, 3, CauseId::DCUCSRER_INTERRUPT, STOP},
    {InternalCause::haltDcuidterInterrupt, 4, CauseId::DCUIDTER_INTERRUPT, HALT},
    {InternalCause::stopDcuidterInterrupt, 4, CauseId::DCUIDTER_INTERRUPT, STOP},
    {InternalCause::deadLock, 10, CauseId::DEAD_LOCK, STOP},
}};

constexpr bool rowsFollowCaseOrder()
{
    for (size_t i = 0; i < kProperties.size(); ++i)
        if (static_cast<size_t>(kProperties[i].cause) != i)
            return false;
    return kProperties.size() == foundation::allCases<InternalCause>().size();
}
static_assert(rowsFollowCaseOrder());

const CauseProperties& propertiesOf(InternalCause cause)
{
    return kProperties[static_cast<size_t>(cause)];
}

} // namespace

int64_t priority(InternalCause cause)
{
    return propertiesOf(cause).priority;
}

CauseId causeId(InternalCause cause)
{
    return propertiesOf(cause).causeId;
}

std::optional<RequiredDisplayId> displayId(InternalCause cause)
{
    return propertiesOf(cause).displayId;
}

bool isHigherPriorityParkOut(InternalCause cause)
{
    return priority(cause) < 9;
}

bool isHigherPriorityBreakTimeout(InternalCause cause)
{
    return priority(cause) < 13;
}
std::optional<InternalCause> parseInternalCause(const MekVerification& verification)
{
    switch (verification.IDTDSPID) {
    case BtIdtDspId::none: return std::nullopt;
    case BtIdtDspId::ab_end: return InternalCause::abnormalEnd;
    case BtIdtDspId::ab_sys_inspect: return InternalCause::sysInspect;
    case BtIdtDspId::ab_sys_confirm: return InternalCause::sysConfirm;
    case BtIdtDspId::ab_keys_nodetect: return InternalCause::keysNoDetect;
    case BtIdtDspId::ab_battstatus: return InternalCause::abnormalButteryStatus;
    case BtIdtDspId::ab_conn_batt: return InternalCause::abnormalConnectBattery;
    case BtIdtDspId::ab_keys_incar: return InternalCause::abnormalKeyInCar;
    }
    return std::nullopt;
}

std::optional<InternalCause> parseInternalCause(const MekCsrReq& req)
{
    // Screens of the normal sequence, and the vehicle's own background and restart halts, name no cause.
    switch (req.MEKDSPID) {
    case BtMekDspId::halt_btloss: return InternalCause::haltReqBtLoss;
    case BtMekDspId::halt_outarea: return InternalCause::outArea;
    case BtMekDspId::halt_opendoor: return InternalCause::openDoor;
    case BtMekDspId::halt_actpksb: return InternalCause::actPksb;
    case BtMekDspId::halt_bydrive: return InternalCause::byDrive;
    case BtMekDspId::halt_smart_ope: return InternalCause::smartOpe;
    case BtMekDspId::halt_canloss: return InternalCause::canLoss;
    case BtMekDspId::stop_lowbattery: return InternalCause::lowBattery;
    case BtMekDspId::halt_smartkey_on_vehicle: return InternalCause::keyInCar;
    case BtMekDspId::halt_seat_belt_on: return InternalCause::beltOn;
    case BtMekDspId::halt_charging_plug: return InternalCause::plugConnect;
    case BtMekDspId::halt_obstacle: return InternalCause::obstacle;
    case BtMekDspId::halt_door_unlock: return InternalCause::doorUnlock;
    case BtMekDspId::halt_route_lost: return InternalCause::routeLost;
    case BtMekDspId::stop_user_self: return InternalCause::userSelf;
    case BtMekDspId::stop_user_drive: return InternalCause::userDrive;
    case BtMekDspId::stop_timeout_control: return InternalCause::timeoutControl;
    case BtMekDspId::stop_lose_path: return InternalCause::losePath;
    case BtMekDspId::stop_vehicle_failout: return InternalCause::vehicleFailOut;
    case BtMekDspId::stop_brk_failout: return InternalCause::usageProhibited;
    case BtMekDspId::stop_camera_dirt: return InternalCause::cameraDart;
    case BtMekDspId::stop_verify_failout: return InternalCause::verifyFailOut;
    case BtMekDspId::stop_noselectable_plan: return InternalCause::noSpace;
    case BtMekDspId::stop_apsw: return InternalCause::apswPush;
    case BtMekDspId::stop_pvm_sw: return InternalCause::pvmCancel;
    case BtMekDspId::stop_sonar_dirt: return InternalCause::sonarDart;
    case BtMekDspId::stop_steep_slope: return InternalCause::steepSlope;
    case BtMekDspId::stop_outside_temperature: return InternalCause::temperatureLow;
    case BtMekDspId::stop_overspeed: return InternalCause::overSpeed;
    case BtMekDspId::stop_non_start_ig_on: return InternalCause::failFlag;
    case BtMekDspId::stop_mirror_deployment: return InternalCause::failMirror;
    case BtMekDspId::stop_smart_cancel: return InternalCause::smartCancel;
    case BtMekDspId::stop_brake_on: return InternalCause::brekeComplete;
    case BtMekDspId::stop_brake_on_timeout: return InternalCause::breakTimeout;
    case BtMekDspId::cannot_start_system_fail: return InternalCause::cannotStartVehicleFailOut;
    case BtMekDspId::cannot_start_currently_unavailable: return InternalCause::cannotStartUsageProhibited;
    case BtMekDspId::cannot_start_illegal_start: return InternalCause::wrongWay;
    case BtMekDspId::cannot_start_smart_cancel: return InternalCause::cannotStartSmartCancel;
    case BtMekDspId::csr_communication_blackout: return InternalCause::stopBtOff;
    case BtMekDspId::csr_counter_error: return InternalCause::stopCounterAnomaly;
    case BtMekDspId::csr_checksum_error_confirmation: return InternalCause::stopChecksumAnomaly;
    case BtMekDspId::csr_checksum_error: return InternalCause::haltChecksumAnomaly;
    default: return std::nullopt;
    }
}

} // namespace tolvane
