#include "Internal/Model/InternalCause.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekVerification.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using namespace tolvane;
using C = InternalCause;

bool isAnyOf(C cause, std::initializer_list<C> causes)
{
    return std::find(causes.begin(), causes.end(), cause) != causes.end();
}

TEST(InternalCauseTest, PublicIdsFollowCaseOrderAndOnlyHaltStopTwinsShareOne)
{
    const std::set<std::set<C>> sharedIds = {
        {C::haltReqBtLoss, C::stopReqBtLoss, C::haltVerificationBtLoss, C::stopVerificationBtLoss},
        {C::haltCounterAnomaly, C::stopCounterAnomaly},
        {C::haltChecksumAnomaly, C::stopChecksumAnomaly},
        {C::haltBtOff, C::stopBtOff},
        {C::haltDcucsrerInterrupt, C::stopDcucsrerInterrupt},
        {C::haltDcuidterInterrupt, C::stopDcuidterInterrupt},
    };
    std::map<CauseId, std::set<C>> byId;
    const auto& all = foundation::allCases<C>();
    ASSERT_EQ(all.size(), 60u);
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(static_cast<size_t>(all[i]), i);
        if (i > 0) {
            EXPECT_LE(causeId(all[i - 1]), causeId(all[i])) << i;
        }
        byId[causeId(all[i])].insert(all[i]);
    }
    EXPECT_EQ(byId.size(), foundation::allCases<CauseId>().size());
    for (const auto& [id, causes] : byId)
        if (causes.size() > 1) {
            EXPECT_TRUE(sharedIds.contains(causes)) << static_cast<int>(id);
        }
    EXPECT_EQ(byId[CauseId::DEF], std::set<C>{C::def});
    EXPECT_EQ(foundation::allCases<CauseId>().back(), CauseId::DEAD_LOCK);
    EXPECT_EQ(static_cast<int>(CauseId::DEAD_LOCK), 51);
}

TEST(InternalCauseTest, PriorityFlagsFollowThePriorityBands)
{
    for (C cause : foundation::allCases<C>()) {
        const auto index = static_cast<int>(cause);
        SCOPED_TRACE(index);
        EXPECT_GE(priority(cause), 1);
        EXPECT_LE(priority(cause), 16);
        EXPECT_EQ(isHigherPriorityParkOut(cause), (index >= 1 && index <= 4) || (index >= 42 && index <= 58));
        EXPECT_EQ(isHigherPriorityBreakTimeout(cause), priority(cause) <= 12);
        EXPECT_EQ(displayId(cause).has_value(), cause != C::def);
    }
}

TEST(InternalCauseTest, SpotChecksOfTheTable)
{
    struct Row {
        C cause;
        int64_t priority;
        CauseId id;
        std::optional<RequiredDisplayId> screen;
    };
    const std::vector<Row> rows = {
        {C::def, 16, CauseId::DEF, std::nullopt},
        {C::haltBtOff, 1, CauseId::BT_OFF, RequiredDisplayId::HALT},
        {C::stopBtOff, 1, CauseId::BT_OFF, RequiredDisplayId::STOP},
        {C::lowBattery, 11, CauseId::LOW_BATTERY, RequiredDisplayId::STOP},
        {C::breakTimeout, 9, CauseId::BREAK_TIMEOUT, RequiredDisplayId::STOP},
        {C::wrongWay, 14, CauseId::WRONG_WAY, RequiredDisplayId::HALT},
        {C::keysNoDetect, 6, CauseId::KEYS_NO_DETECT, RequiredDisplayId::HALT},
        {C::abnormalButteryStatus, 5, CauseId::ABNORMAL_BUTTERY_STATUS, RequiredDisplayId::STOP},
        {C::deadLock, 10, CauseId::DEAD_LOCK, RequiredDisplayId::STOP},
        {C::canLoss, 16, CauseId::CAN_LOSS, RequiredDisplayId::HALT},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.cause));
        EXPECT_EQ(priority(row.cause), row.priority);
        EXPECT_EQ(causeId(row.cause), row.id);
        EXPECT_EQ(displayId(row.cause), row.screen);
    }
}

TEST(InternalCauseTest, VerificationDisplayIdsNameTheSevenAbnormalities)
{
    const std::map<BtIdtDspId, std::optional<C>> expected = {
        {BtIdtDspId::none, std::nullopt},
        {BtIdtDspId::ab_end, C::abnormalEnd},
        {BtIdtDspId::ab_sys_inspect, C::sysInspect},
        {BtIdtDspId::ab_sys_confirm, C::sysConfirm},
        {BtIdtDspId::ab_keys_nodetect, C::keysNoDetect},
        {BtIdtDspId::ab_battstatus, C::abnormalButteryStatus},
        {BtIdtDspId::ab_conn_batt, C::abnormalConnectBattery},
        {BtIdtDspId::ab_keys_incar, C::abnormalKeyInCar},
    };
    for (BtIdtDspId id : foundation::allCases<BtIdtDspId>())
        EXPECT_EQ(parseInternalCause(MekVerification{.IDTDSPID = id, .IDTBTRQ = std::nullopt}), expected.at(id)) << static_cast<int>(id);
}

TEST(InternalCauseTest, VehicleDisplayIdsNameTheirHaltAndStopCauses)
{
    const std::map<BtMekDspId, C> expected = {
        {BtMekDspId::halt_btloss, C::haltReqBtLoss},
        {BtMekDspId::halt_outarea, C::outArea},
        {BtMekDspId::halt_opendoor, C::openDoor},
        {BtMekDspId::halt_actpksb, C::actPksb},
        {BtMekDspId::halt_bydrive, C::byDrive},
        {BtMekDspId::halt_smart_ope, C::smartOpe},
        {BtMekDspId::halt_canloss, C::canLoss},
        {BtMekDspId::stop_lowbattery, C::lowBattery},
        {BtMekDspId::halt_smartkey_on_vehicle, C::keyInCar},
        {BtMekDspId::halt_seat_belt_on, C::beltOn},
        {BtMekDspId::halt_charging_plug, C::plugConnect},
        {BtMekDspId::halt_obstacle, C::obstacle},
        {BtMekDspId::halt_door_unlock, C::doorUnlock},
        {BtMekDspId::halt_route_lost, C::routeLost},
        {BtMekDspId::stop_user_self, C::userSelf},
        {BtMekDspId::stop_user_drive, C::userDrive},
        {BtMekDspId::stop_timeout_control, C::timeoutControl},
        {BtMekDspId::stop_lose_path, C::losePath},
        {BtMekDspId::stop_vehicle_failout, C::vehicleFailOut},
        {BtMekDspId::stop_brk_failout, C::usageProhibited},
        {BtMekDspId::stop_camera_dirt, C::cameraDart},
        {BtMekDspId::stop_verify_failout, C::verifyFailOut},
        {BtMekDspId::stop_noselectable_plan, C::noSpace},
        {BtMekDspId::stop_apsw, C::apswPush},
        {BtMekDspId::stop_pvm_sw, C::pvmCancel},
        {BtMekDspId::stop_sonar_dirt, C::sonarDart},
        {BtMekDspId::stop_steep_slope, C::steepSlope},
        {BtMekDspId::stop_outside_temperature, C::temperatureLow},
        {BtMekDspId::stop_overspeed, C::overSpeed},
        {BtMekDspId::stop_non_start_ig_on, C::failFlag},
        {BtMekDspId::stop_mirror_deployment, C::failMirror},
        {BtMekDspId::stop_smart_cancel, C::smartCancel},
        {BtMekDspId::stop_brake_on, C::brekeComplete},
        {BtMekDspId::stop_brake_on_timeout, C::breakTimeout},
        {BtMekDspId::cannot_start_system_fail, C::cannotStartVehicleFailOut},
        {BtMekDspId::cannot_start_currently_unavailable, C::cannotStartUsageProhibited},
        {BtMekDspId::cannot_start_illegal_start, C::wrongWay},
        {BtMekDspId::cannot_start_smart_cancel, C::cannotStartSmartCancel},
        {BtMekDspId::csr_communication_blackout, C::stopBtOff},
        {BtMekDspId::csr_counter_error, C::stopCounterAnomaly},
        {BtMekDspId::csr_checksum_error_confirmation, C::stopChecksumAnomaly},
        {BtMekDspId::csr_checksum_error, C::haltChecksumAnomaly},
    };
    ASSERT_EQ(expected.size(), 42u);
    for (BtMekDspId id : foundation::allCases<BtMekDspId>()) {
        SCOPED_TRACE(static_cast<int>(id));
        const auto cause = parseInternalCause(MekCsrReq{.MEKDSPID = id});
        const auto row = expected.find(id);
        EXPECT_EQ(cause, row == expected.end() ? std::nullopt : std::optional(row->second));
        // The framework's own causes never come from the vehicle's display id.
        if (cause) {
            EXPECT_FALSE(isAnyOf(*cause, {C::def, C::stopReqBtLoss, C::haltVerificationBtLoss, C::stopVerificationBtLoss,
                                          C::haltCounterAnomaly, C::haltBtOff, C::deadLock}));
        }
    }
}

} // namespace
