#include "Internal/Model/BtMekConverter.h"
#include "Internal/Model/CautionData.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/VehicleStateData.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace tolvane;
using C = InternalCause;
using D = BtMekDspId;

class BtMekConverterTest : public testing::Test {
protected:
    std::shared_ptr<VehicleStateData> vehicleState = std::make_shared<VehicleStateData>();
    std::shared_ptr<CautionData> causes = std::make_shared<CautionData>();
    BtMekConverter converter{vehicleState, causes};

    D withTopCause(C cause)
    {
        causes->initParam();
        causes->addCause(cause);
        return converter.convertToCauseBtMekDspId();
    }
};

TEST_F(BtMekConverterTest, PlansGiveTheirSelectionScreens)
{
    struct Row {
        MoveParkInDirection move;
        bool obstacle;
        D expected;
    };
    const std::vector<Row> parkIn = {
        {MoveParkInDirection::PARALLEL_FORWARD, false, D::sel_parkin_parallel_forward},
        {MoveParkInDirection::PARALLEL_FORWARD, true, D::sel_parkin_obstacle_parallel_forward},
        {MoveParkInDirection::PARALLEL_BACKWARD, false, D::sel_parkin_parallel_backward},
        {MoveParkInDirection::PARALLEL_BACKWARD, true, D::sel_parkin_obstacle_parallel_backward},
        {MoveParkInDirection::VERTICAL, false, D::sel_parkin_vertical},
        {MoveParkInDirection::VERTICAL, true, D::sel_parkin_obstacle_vertical},
    };
    for (const auto& row : parkIn) {
        vehicleState->updatePlanParkInInfo({.obstacle = row.obstacle, .moveDirection = row.move});
        EXPECT_EQ(converter.convertToParkInBtMekDspId(), row.expected) << static_cast<int>(row.expected);
    }

    vehicleState->updatePlanParkOutInfo({.moveDirection = MoveParkOutDirection::VERTICAL,
                                         .controllableDirections = std::vector{PlanParkOutDirection::BACKWARD}});
    EXPECT_EQ(converter.convertToParkOutBtMekDspId(), D::sel_parkout_vertical);
    vehicleState->updatePlanParkOutInfo({.moveDirection = MoveParkOutDirection::PARALLEL});
    EXPECT_EQ(converter.convertToParkOutBtMekDspId(), D::sel_parkout_parallel);

    EXPECT_EQ(converter.convertToForwardBackwardBtMekDspId(), D::sel_forward_backward);
    vehicleState->updatePlanForwardBackwardInfo({.obstacle = true});
    EXPECT_EQ(converter.convertToForwardBackwardBtMekDspId(), D::sel_obstacle_forward_backward);
}

TEST_F(BtMekConverterTest, TheRunningOperationIsJudgedByDisruptionThenFinishThenInterrupt)
{
    struct Row {
        std::optional<bool> disruption;
        OperateReq finish;
        OperateReq interrupt;
        D expected;
    };
    using R = OperateReq;
    const std::vector<Row> rows = {
        {true, R::HIDDEN, R::HIDDEN, D::controlling_fowaback_operation_disruption},
        {false, R::ENABLE, R::ENABLE, D::controlling_fowaback},
        {std::nullopt, R::DISABLE, R::ENABLE, D::controlling_outpark},
        {std::nullopt, R::ENABLE, R::DISABLE, D::controlling_outpark_operation_disruption},
        {std::nullopt, R::HIDDEN, R::DISABLE, D::controlling_inpark},
        {std::nullopt, R::HIDDEN, R::ENABLE, D::controlling_inpark_operation_disruption},
        {std::nullopt, R::HIDDEN, R::HIDDEN, D::def},
    };
    for (const auto& row : rows) {
        vehicleState->updateIsFowabackDisruption(row.disruption);
        vehicleState->updateOperateInfo({.operateInterruptReq = row.interrupt, .operateFinishReq = row.finish});
        EXPECT_EQ(converter.convertToOperateBtMekDspId(), row.expected) << static_cast<int>(row.expected);
    }
}

TEST_F(BtMekConverterTest, EveryCauseEchoesItsDisplayId)
{
    const std::map<C, D> expected = {
        {C::def, D::def},
        {C::haltReqBtLoss, D::halt_btloss},
        {C::stopReqBtLoss, D::csr_communication_blackout},
        {C::haltVerificationBtLoss, D::halt_btloss},
        {C::stopVerificationBtLoss, D::csr_communication_blackout},
        {C::outArea, D::halt_outarea},
        {C::openDoor, D::halt_opendoor},
        {C::actPksb, D::halt_actpksb},
        {C::byDrive, D::halt_bydrive},
        {C::smartOpe, D::halt_smart_ope},
        {C::canLoss, D::halt_canloss},
        {C::lowBattery, D::stop_lowbattery},
        {C::keyInCar, D::halt_smartkey_on_vehicle},
        {C::beltOn, D::halt_seat_belt_on},
        {C::plugConnect, D::halt_charging_plug},
        {C::obstacle, D::halt_obstacle},
        {C::doorUnlock, D::halt_door_unlock},
        {C::routeLost, D::halt_route_lost},
        {C::userSelf, D::stop_user_self},
        {C::userDrive, D::stop_user_drive},
        {C::timeoutControl, D::stop_timeout_control},
        {C::losePath, D::stop_lose_path},
        {C::vehicleFailOut, D::stop_vehicle_failout},
        {C::usageProhibited, D::stop_brk_failout},
        {C::cameraDart, D::stop_camera_dirt},
        {C::verifyFailOut, D::stop_verify_failout},
        {C::noSpace, D::stop_noselectable_plan},
        {C::apswPush, D::stop_apsw},
        {C::pvmCancel, D::stop_pvm_sw},
        {C::sonarDart, D::stop_sonar_dirt},
        {C::steepSlope, D::stop_steep_slope},
        {C::temperatureLow, D::stop_outside_temperature},
        {C::overSpeed, D::stop_overspeed},
        {C::failFlag, D::stop_non_start_ig_on},
        {C::failMirror, D::stop_mirror_deployment},
        {C::smartCancel, D::stop_smart_cancel},
        {C::brekeComplete, D::stop_brake_on},
        {C::breakTimeout, D::stop_brake_on_timeout},
        {C::cannotStartVehicleFailOut, D::cannot_start_system_fail},
        {C::cannotStartUsageProhibited, D::cannot_start_currently_unavailable},
        {C::wrongWay, D::cannot_start_illegal_start},
        {C::cannotStartSmartCancel, D::cannot_start_smart_cancel},
        {C::haltCounterAnomaly, D::csr_counter_error},
        {C::stopCounterAnomaly, D::csr_counter_error},
        {C::haltChecksumAnomaly, D::csr_checksum_error},
        {C::stopChecksumAnomaly, D::csr_checksum_error_confirmation},
        {C::abnormalEnd, D::def},
        {C::sysInspect, D::def},
        {C::sysConfirm, D::def},
        {C::keysNoDetect, D::def},
        {C::abnormalButteryStatus, D::def},
        {C::abnormalConnectBattery, D::def},
        {C::abnormalKeyInCar, D::def},
        {C::haltBtOff, D::bluetooth_error},
        {C::stopBtOff, D::csr_communication_blackout},
        {C::haltDcucsrerInterrupt, D::halt_canloss},
        {C::stopDcucsrerInterrupt, D::csr_counter_error},
        {C::haltDcuidterInterrupt, D::halt_canloss},
        {C::stopDcuidterInterrupt, D::csr_counter_error},
        {C::deadLock, D::def},
    };
    ASSERT_EQ(expected.size(), foundation::allCases<C>().size());
    for (C cause : foundation::allCases<C>())
        EXPECT_EQ(withTopCause(cause), expected.at(cause)) << static_cast<int>(cause);
    causes->initParam();
    EXPECT_EQ(converter.convertToCauseBtMekDspId(), D::def) << "no top cause";
}

TEST_F(BtMekConverterTest, ACauseNamedByAVehicleDisplayIdEchoesThatDisplayId)
{
    int named = 0;
    for (D id : foundation::allCases<D>()) {
        const auto cause = parseInternalCause(MekCsrReq{.MEKDSPID = id});
        if (!cause)
            continue;
        ++named;
        EXPECT_EQ(withTopCause(*cause), id) << static_cast<int>(id);
    }
    EXPECT_EQ(named, 42);
}

} // namespace
