#include "Internal/Model/BtMekConverter.h"

#include "foundation/FatalError.h"

namespace tolvane {
namespace {

// For every cause that a vehicle display id names, this gives that display id back. Causes the
// vehicle has no screen for are echoed as no display id.
BtMekDspId displayIdForCause(InternalCause cause)
{
    switch (cause) {
    case InternalCause::def:
        return BtMekDspId::def;
    case InternalCause::haltReqBtLoss:
    case InternalCause::haltVerificationBtLoss:
        return BtMekDspId::halt_btloss;
    case InternalCause::stopReqBtLoss:
    case InternalCause::stopVerificationBtLoss:
    case InternalCause::stopBtOff:
        return BtMekDspId::csr_communication_blackout;
    case InternalCause::outArea:
        return BtMekDspId::halt_outarea;
    case InternalCause::openDoor:
        return BtMekDspId::halt_opendoor;
    case InternalCause::actPksb:
        return BtMekDspId::halt_actpksb;
    case InternalCause::byDrive:
        return BtMekDspId::halt_bydrive;
    case InternalCause::smartOpe:
        return BtMekDspId::halt_smart_ope;
    case InternalCause::canLoss:
    case InternalCause::haltDcucsrerInterrupt:
    case InternalCause::haltDcuidterInterrupt:
        return BtMekDspId::halt_canloss;
    case InternalCause::lowBattery:
        return BtMekDspId::stop_lowbattery;
    case InternalCause::keyInCar:
        return BtMekDspId::halt_smartkey_on_vehicle;
    case InternalCause::beltOn:
        return BtMekDspId::halt_seat_belt_on;
    case InternalCause::plugConnect:
        return BtMekDspId::halt_charging_plug;
    case InternalCause::obstacle:
        return BtMekDspId::halt_obstacle;
    case InternalCause::doorUnlock:
        return BtMekDspId::halt_door_unlock;
    case InternalCause::routeLost:
        return BtMekDspId::halt_route_lost;
    case InternalCause::userSelf:
        return BtMekDspId::stop_user_self;
    case InternalCause::userDrive:
        return BtMekDspId::stop_user_drive;
    case InternalCause::timeoutControl:
        return BtMekDspId::stop_timeout_control;
    case InternalCause::losePath:
        return BtMekDspId::stop_lose_path;
    case InternalCause::vehicleFailOut:
        return BtMekDspId::stop_vehicle_failout;
    case InternalCause::usageProhibited:
        return BtMekDspId::stop_brk_failout;
    case InternalCause::cameraDart:
        return BtMekDspId::stop_camera_dirt;
    case InternalCause::verifyFailOut:
        return BtMekDspId::stop_verify_failout;
    case InternalCause::noSpace:
        return BtMekDspId::stop_noselectable_plan;
    case InternalCause::apswPush:
        return BtMekDspId::stop_apsw;
    case InternalCause::pvmCancel:
        return BtMekDspId::stop_pvm_sw;
    case InternalCause::sonarDart:
        return BtMekDspId::stop_sonar_dirt;
    case InternalCause::steepSlope:
        return BtMekDspId::stop_steep_slope;
    case InternalCause::temperatureLow:
        return BtMekDspId::stop_outside_temperature;
    case InternalCause::overSpeed:
        return BtMekDspId::stop_overspeed;
    case InternalCause::failFlag:
        return BtMekDspId::stop_non_start_ig_on;
    case InternalCause::failMirror:
        return BtMekDspId::stop_mirror_deployment;
    case InternalCause::smartCancel:
        return BtMekDspId::stop_smart_cancel;
    case InternalCause::brekeComplete:
        return BtMekDspId::stop_brake_on;
    case InternalCause::breakTimeout:
        return BtMekDspId::stop_brake_on_timeout;
    case InternalCause::cannotStartVehicleFailOut:
        return BtMekDspId::cannot_start_system_fail;
    case InternalCause::cannotStartUsageProhibited:
        return BtMekDspId::cannot_start_currently_unavailable;
    case InternalCause::wrongWay:
        return BtMekDspId::cannot_start_illegal_start;
    case InternalCause::cannotStartSmartCancel:
        return BtMekDspId::cannot_start_smart_cancel;
    case InternalCause::haltCounterAnomaly:
    case InternalCause::stopCounterAnomaly:
    case InternalCause::stopDcucsrerInterrupt:
    case InternalCause::stopDcuidterInterrupt:
        return BtMekDspId::csr_counter_error;
    case InternalCause::haltChecksumAnomaly:
        return BtMekDspId::csr_checksum_error;
    case InternalCause::stopChecksumAnomaly:
        return BtMekDspId::csr_checksum_error_confirmation;
    case InternalCause::haltBtOff:
        return BtMekDspId::bluetooth_error;
    case InternalCause::abnormalEnd:
    case InternalCause::sysInspect:
    case InternalCause::sysConfirm:
    case InternalCause::keysNoDetect:
    case InternalCause::abnormalButteryStatus:
    case InternalCause::abnormalConnectBattery:
    case InternalCause::abnormalKeyInCar:
    case InternalCause::deadLock:
        return BtMekDspId::def;
    }
    return BtMekDspId::def;
}

} // namespace

BtMekConverter::BtMekConverter(std::shared_ptr<const IInternalVehicleStateData> vehicleStateData,
                               std::shared_ptr<const IInternalCautionData> cautionData)
    : vehicleStateData_(std::move(vehicleStateData)), cautionData_(std::move(cautionData))
{
    if (!vehicleStateData_ || !cautionData_)
        foundation::fatalError("The display-id converter needs the vehicle state and the cause store");
}

BtMekDspId BtMekConverter::convertToParkInBtMekDspId() const
{
    const PlanParkInInfo plan = vehicleStateData_->getPlanParkInInfo();
    switch (plan.moveDirection) {
    case MoveParkInDirection::PARALLEL_FORWARD:
        return plan.obstacle ? BtMekDspId::sel_parkin_obstacle_parallel_forward : BtMekDspId::sel_parkin_parallel_forward;
    case MoveParkInDirection::PARALLEL_BACKWARD:
        return plan.obstacle ? BtMekDspId::sel_parkin_obstacle_parallel_backward
                             : BtMekDspId::sel_parkin_parallel_backward;
    case MoveParkInDirection::VERTICAL:
        return plan.obstacle ? BtMekDspId::sel_parkin_obstacle_vertical : BtMekDspId::sel_parkin_vertical;
    }
    return BtMekDspId::def;
}

BtMekDspId BtMekConverter::convertToParkOutBtMekDspId() const
{
    switch (vehicleStateData_->getPlanParkOutInfo().moveDirection) {
    case MoveParkOutDirection::PARALLEL:
        return BtMekDspId::sel_parkout_parallel;
    case MoveParkOutDirection::VERTICAL:
        return BtMekDspId::sel_parkout_vertical;
    }
    return BtMekDspId::def;
}

BtMekDspId BtMekConverter::convertToForwardBackwardBtMekDspId() const
{
    return vehicleStateData_->getPlanForwardBackwardInfo().obstacle ? BtMekDspId::sel_obstacle_forward_backward
                                                                    : BtMekDspId::sel_forward_backward;
}

BtMekDspId BtMekConverter::convertToOperateBtMekDspId() const
{
    // The disruption flag is present only in a forward/backward operation, so it is looked at first.
    if (const auto disruption = vehicleStateData_->isFowabackDisruption())
        return *disruption ? BtMekDspId::controlling_fowaback_operation_disruption : BtMekDspId::controlling_fowaback;
    const OperateInfo operate = vehicleStateData_->getOperateInfo();
    // Only a park-out operation has a finish button.
    switch (operate.operateFinishReq) {
    case OperateReq::DISABLE:
        return BtMekDspId::controlling_outpark;
    case OperateReq::ENABLE:
        return BtMekDspId::controlling_outpark_operation_disruption;
    case OperateReq::HIDDEN:
        break;
    }
    switch (operate.operateInterruptReq) {
    case OperateReq::DISABLE:
        return BtMekDspId::controlling_inpark;
    case OperateReq::ENABLE:
        return BtMekDspId::controlling_inpark_operation_disruption;
    case OperateReq::HIDDEN:
        break;
    }
    return BtMekDspId::def;
}

BtMekDspId BtMekConverter::convertToCauseBtMekDspId() const
{
    const auto top = cautionData_->topCause();
    return top ? displayIdForCause(*top) : BtMekDspId::def;
}

} // namespace tolvane
