#include "Internal/Model/BtId.h"
#include "Internal/Model/BtIdtBtRq.h"
#include "Internal/Model/BtIdtDspId.h"
#include "Internal/Model/BtMekDspId.h"
#include "Internal/Model/BtMekOpDirHorizontal.h"
#include "Internal/Model/BtMekOpDirVertical.h"
#include "Internal/Model/BtMekRcmForBack.h"
#include "Internal/Model/BtMekRcmParkIn.h"
#include "Internal/Model/BtMvState.h"
#include "Internal/Model/BtSmpAct.h"
#include "Internal/Model/BtSmpBtn.h"
#include "Internal/Model/BtSmpSelMd.h"
#include "Internal/Model/DetectDistance.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "Internal/Model/SLIP.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

using namespace tolvane;

template <typename E>
struct Row {
    E value;
    uint64_t raw;
};

// Checks the cases against their table: declaration order, raw values, and that exactly the listed
// raw values convert back, also when a wider value would truncate to a listed one.
template <typename E>
void expectMatchesTable(const std::vector<Row<E>>& table)
{
    const auto& all = foundation::allCases<E>();
    ASSERT_EQ(all.size(), table.size());
    std::map<uint64_t, E> byRaw;
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(all[i], table[i].value) << "position " << i;
        EXPECT_EQ(foundation::rawValue(table[i].value), table[i].raw) << "position " << i;
        byRaw.emplace(table[i].raw, table[i].value);
    }
    ASSERT_EQ(byRaw.size(), table.size()) << "raw values repeat";

    for (uint64_t raw = 0; raw <= 0x1FF; ++raw) {
        const auto found = foundation::fromRaw<E>(raw);
        const auto listed = byRaw.find(raw);
        if (listed == byRaw.end())
            EXPECT_EQ(found, std::nullopt) << "raw " << raw;
        else
            EXPECT_EQ(found, listed->second) << "raw " << raw;
    }
    for (const auto& [raw, value] : byRaw) {
        for (uint64_t wider : {raw + 0x100, raw + 0x10000, raw + 0x100000000})
            EXPECT_EQ(foundation::fromRaw<E>(wider), std::nullopt) << "raw " << wider;
    }
    EXPECT_EQ(foundation::fromRaw<E>(int64_t{-1}), std::nullopt);
}

TEST(WireEnumerationsTest, MessageIdsMatchTheirTable)
{
    using enum BtId;
    static_assert(std::is_same_v<std::underlying_type_t<BtId>, uint16_t>);
    expectMatchesTable<BtId>({{none, 0}, {operation, 1}, {detection, 2}, {verification, 4},
                              {csr_request, 5}, {information, 6}, {abnormality, 8}});
}

TEST(WireEnumerationsTest, OperationValuesMatchTheirTables)
{
    static_assert(std::is_same_v<std::underlying_type_t<BtSmpAct>, uint32_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtSmpBtn>, uint32_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtSmpSelMd>, uint32_t>);
    expectMatchesTable<BtSmpAct>({{BtSmpAct::off, 0}, {BtSmpAct::on, 1}});
    // Declaration order, not raw order.
    expectMatchesTable<BtSmpBtn>({{BtSmpBtn::def, 0}, {BtSmpBtn::start, 60}, {BtSmpBtn::longpress, 62},
                                  {BtSmpBtn::directionChange, 56}, {BtSmpBtn::endHalfway, 57},
                                  {BtSmpBtn::end, 63}, {BtSmpBtn::restart, 59}});
    for (BtSmpBtn button : foundation::allCases<BtSmpBtn>())
        EXPECT_LT(foundation::rawValue(button), 64u) << "fits its 6-bit field";
    using enum BtSmpSelMd;
    expectMatchesTable<BtSmpSelMd>({{parkplan0, 0}, {parkplan1, 1}, {parkplan2, 2}, {parkplan3, 3},
                                    {parkplan4, 4}, {parkplan5, 5}, {parkplan6, 6}});
}

TEST(WireEnumerationsTest, VerificationValuesMatchTheirTables)
{
    static_assert(std::is_same_v<std::underlying_type_t<BtIdtDspId>, uint8_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtIdtBtRq>, uint8_t>);
    using enum BtIdtDspId;
    expectMatchesTable<BtIdtDspId>({{none, 0}, {ab_end, 1}, {ab_sys_inspect, 2}, {ab_sys_confirm, 3},
                                    {ab_keys_nodetect, 4}, {ab_battstatus, 5}, {ab_conn_batt, 6},
                                    {ab_keys_incar, 7}});
    expectMatchesTable<BtIdtBtRq>({{BtIdtBtRq::parkInOrFowaback, 0}, {BtIdtBtRq::parkOut, 1}});
}

TEST(WireEnumerationsTest, SonarAndMovingObjectValuesMatchTheirTables)
{
    static_assert(std::is_same_v<std::underlying_type_t<DetectDistance>, uint8_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtMvState>, uint8_t>);
    using enum DetectDistance;
    expectMatchesTable<DetectDistance>({{hide, 0}, {undetected, 1}, {mostShort, 2}, {short_, 3},
                                        {middle, 4}, {long_, 5}, {mostLong, 6}, {undefined, 7}});
    expectMatchesTable<BtMvState>({{BtMvState::off, 0}, {BtMvState::on, 1}, {BtMvState::flash, 2},
                                   {BtMvState::undefined, 3}});
}

TEST(WireEnumerationsTest, DirectionValuesMatchTheirTables)
{
    static_assert(std::is_same_v<std::underlying_type_t<BtMekRcmForBack>, uint8_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtMekRcmParkIn>, uint8_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtMekOpDirVertical>, uint8_t>);
    static_assert(std::is_same_v<std::underlying_type_t<BtMekOpDirHorizontal>, uint8_t>);
    expectMatchesTable<BtMekRcmForBack>({{BtMekRcmForBack::front, 2}, {BtMekRcmForBack::back, 5}});
    expectMatchesTable<BtMekRcmParkIn>({{BtMekRcmParkIn::left, 1}, {BtMekRcmParkIn::right, 2}});
    expectMatchesTable<BtMekOpDirVertical>({{BtMekOpDirVertical::front, 1}, {BtMekOpDirVertical::back, 2}});
    expectMatchesTable<BtMekOpDirHorizontal>({{BtMekOpDirHorizontal::canter, 0}, {BtMekOpDirHorizontal::left, 1},
                                              {BtMekOpDirHorizontal::right, 2}});
}

TEST(WireEnumerationsTest, FramingCodesMatchTheirTable)
{
    using enum SLIP::CODE;
    expectMatchesTable<SLIP::CODE>({{END, 0xC0}, {ESC, 0xDB}, {ESC_END, 0xDC}, {ESC_ESC, 0xDD}});
}

struct DisplayIdRow {
    BtMekDspId id;
    uint64_t raw;
    RequiredDisplayId required;
};

// Every vehicle display id in declaration order, with its raw value and the screen it calls for.
const std::vector<DisplayIdRow>& displayIdTable()
{
    using enum BtMekDspId;
    using R = RequiredDisplayId;
    static const std::vector<DisplayIdRow> table = {
        {def, 0x00, R::DEF},
        {connect, 0x02, R::DEF},
        {finish_forget_hazard, 0x0A, R::COMPLETE_PARK_IN_FORGET_HAZARD},
        {arrival, 0x0D, R::REACH_POINT},
        {parkout_comp, 0x0E, R::COMPLETE_PARK_OUT},
        {parkin_comp, 0x0F, R::COMPLETE_PARK_IN},
        {sel_parkin_parallel_backward, 0x10, R::SEL_PARK_IN},
        {sel_parkin_parallel_forward, 0x11, R::SEL_PARK_IN},
        {sel_parkin_obstacle_parallel_backward, 0x13, R::SEL_PARK_IN},
        {sel_parkin_obstacle_parallel_forward, 0x14, R::SEL_PARK_IN},
        {sel_parkout_parallel, 0x12, R::SEL_PARK_OUT},
        {resume, 0x1A, R::RESUME},
        {sel_parkin_vertical, 0x20, R::SEL_PARK_IN},
        {sel_parkout_vertical, 0x21, R::SEL_PARK_OUT},
        {sel_parkin_obstacle_vertical, 0x22, R::SEL_PARK_IN},
        {sel_forward_backward, 0x30, R::SEL_FORWARD_BACKWARD},
        {sel_obstacle_forward_backward, 0x31, R::SEL_FORWARD_BACKWARD},
        {controlling_inpark, 0x40, R::OPERATE},
        {controlling_outpark, 0x41, R::OPERATE},
        {controlling_fowaback, 0x42, R::OPERATE},
        {controlling_inpark_operation_disruption, 0x80, R::OPERATE},
        {halt_btloss, 0x81, R::HALT},
        {halt_outarea, 0x82, R::HALT},
        {halt_opendoor, 0x83, R::HALT},
        {halt_actpksb, 0x84, R::HALT},
        {halt_bydrive, 0x85, R::HALT},
        {halt_smart_ope, 0x86, R::HALT},
        {halt_canloss, 0x87, R::HALT},
        {stop_lowbattery, 0x88, R::HALT},
        {halt_background, 0x89, R::HALT},
        {halt_btrestart, 0x8A, R::SENSING},
        {halt_smartkey_on_vehicle, 0x8B, R::HALT},
        {halt_seat_belt_on, 0x8C, R::HALT},
        {halt_charging_plug, 0x8D, R::HALT},
        {halt_obstacle, 0x8E, R::HALT},
        {halt_door_unlock, 0x8F, R::HALT},
        {controlling_outpark_operation_disruption, 0x90, R::OPERATE},
        {controlling_fowaback_operation_disruption, 0x91, R::OPERATE},
        {halt_route_lost, 0x92, R::HALT},
        {stop_user_self, 0xC1, R::STOP},
        {stop_user_drive, 0xC2, R::STOP},
        {stop_timeout_control, 0xC3, R::STOP},
        {stop_lose_path, 0xC4, R::STOP},
        {stop_vehicle_failout, 0xC5, R::STOP},
        {stop_brk_failout, 0xC6, R::STOP},
        {stop_camera_dirt, 0xC7, R::STOP},
        {stop_verify_failout, 0xCA, R::STOP},
        {stop_noselectable_plan, 0xCB, R::STOP},
        {stop_apsw, 0xCC, R::STOP},
        {stop_pvm_sw, 0xCD, R::STOP},
        {stop_sonar_dirt, 0xCE, R::STOP},
        {stop_steep_slope, 0xCF, R::STOP},
        {stop_outside_temperature, 0xD0, R::STOP},
        {stop_overspeed, 0xD1, R::STOP},
        {stop_non_start_ig_on, 0xD2, R::STOP},
        {stop_mirror_deployment, 0xD3, R::STOP},
        {stop_smart_cancel, 0xD4, R::STOP},
        {stop_brake_on, 0xD5, R::STOP},
        {stop_brake_on_timeout, 0xD6, R::STOP},
        {cannot_start_system_fail, 0xE0, R::STOP},
        {cannot_start_currently_unavailable, 0xE1, R::STOP},
        {cannot_start_illegal_start, 0xE2, R::STOP},
        {cannot_start_smart_cancel, 0xE4, R::STOP},
        {blinker_registration_confirmation, 0xF9, R::VALID_VEHICLE_BLINKER},
        {csr_communication_blackout, 0xFA, R::STOP},
        {csr_counter_error, 0xFB, R::STOP},
        {csr_checksum_error_confirmation, 0xFC, R::STOP},
        {csr_checksum_error, 0xFD, R::HALT},
        {vehicle_registration_confirmation, 0xFF, R::VALID_VEHICLE},
        {bluetooth_error, 0xFE, R::HALT},
    };
    return table;
}

TEST(WireEnumerationsTest, VehicleDisplayIdsMatchTheirTable)
{
    static_assert(std::is_same_v<std::underlying_type_t<BtMekDspId>, uint32_t>);
    std::vector<Row<BtMekDspId>> rows;
    for (const DisplayIdRow& row : displayIdTable())
        rows.push_back({row.id, row.raw});
    ASSERT_EQ(rows.size(), 70u);
    expectMatchesTable(rows);
}

TEST(WireEnumerationsTest, EveryVehicleDisplayIdConvertsToItsRequiredScreen)
{
    for (const DisplayIdRow& row : displayIdTable())
        EXPECT_EQ(convertToRequiredDisplayId(row.id), row.required) << "raw " << row.raw;

    std::set<RequiredDisplayId> reached;
    for (BtMekDspId id : foundation::allCases<BtMekDspId>())
        reached.insert(convertToRequiredDisplayId(id));
    EXPECT_FALSE(reached.contains(RequiredDisplayId::START_PARK_IN));
    EXPECT_FALSE(reached.contains(RequiredDisplayId::START_PARK_OUT));
    EXPECT_EQ(reached.size(), 15u);
}

TEST(RequiredDisplayIdTest, CasesKeepTheirIndexAsValue)
{
    using enum RequiredDisplayId;
    const std::vector<RequiredDisplayId> order = {
        DEF,     VALID_VEHICLE, VALID_VEHICLE_BLINKER, START_PARK_IN,    START_PARK_OUT,
        SENSING, SEL_PARK_IN,   SEL_PARK_OUT,          SEL_FORWARD_BACKWARD, OPERATE,
        REACH_POINT, COMPLETE_PARK_IN, COMPLETE_PARK_IN_FORGET_HAZARD, COMPLETE_PARK_OUT, RESUME,
        HALT,    STOP};
    const auto& all = foundation::allCases<RequiredDisplayId>();
    ASSERT_EQ(all.size(), 17u);
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(all[i], order[i]);
        EXPECT_EQ(foundation::rawValue(order[i]), i);
        EXPECT_EQ(foundation::fromRaw<RequiredDisplayId>(i), order[i]);
    }
    EXPECT_EQ(foundation::fromRaw<RequiredDisplayId>(17), std::nullopt);
    EXPECT_EQ(std::set<RequiredDisplayId>(all.begin(), all.end()).size(), 17u);
}

} // namespace
