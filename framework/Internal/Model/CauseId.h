#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane {

// The public reason for a halt or a stop. The value is the case index, under which it crosses to the
// application, so the order of the cases is part of the public interface. The cases are listed once, here.
#define TOLVANE_CAUSE_IDS(X) \
    X(DEF) \
    X(BT_LOSS) \
    X(OUT_AREA) \
    X(OPEN_DOOR) \
    X(ACT_PKSB) \
    X(BY_DRIVE) \
    X(SMART_OPE) \
    X(CAN_LOSS) \
    X(LOW_BATTERY) \
    X(KEY_IN_CAR) \
    X(BELT_ON) \
    X(PLUG_CONNECT) \
    X(OBSTACLE) \
    X(DOOR_UNLOCK) \
    X(ROUTE_LOST) \
    X(USER_SELF) \
    X(USER_DRIVE) \
    X(TIMEOUT_CONTROL) \
    X(LOSE_PATH) \
    X(VEHICLE_FAIL_OUT) \
    X(USAGE_PROHIBITED) \
    X(CAMERA_DART) \
    X(VERIFY_FAIL_OUT) \
    X(NO_SPACE) \
    X(APSW_PUSH) \
    X(PVM_CANCEL) \
    X(SONAR_DART) \
    X(STEEP_SLOPE) \
    X(TEMPERATURE_LOW) \
    X(OVER_SPEED) \
    X(FAIL_FLAG) \
    X(FAIL_MIRROR) \
    X(SMART_CANCEL) \
    X(BREAK_COMPLETE) \
    X(BREAK_TIMEOUT) \
    X(CANNOT_START_VEHICLE_FAIL_OUT) \
    X(CANNOT_START_USAGE_PROHIBITED) \
    X(WRONG_WAY) \
    X(CANNOT_START_SMART_CANCEL) \
    X(COUNTER_ANOMALY) \
    X(CHECKSUM_ANOMALY) \
    X(ABNORMAL_END) \
    X(SYS_INSPECT) \
    X(SYS_CONFIRM) \
    X(KEYS_NO_DETECT) \
    X(ABNORMAL_BUTTERY_STATUS) \
    X(ABNORMAL_CONNECT_BATTERY) \
    X(ABNORMAL_KEY_IN_CAR) \
    X(BT_OFF) \
    X(DCUCSRER_INTERRUPT) \
    X(DCUIDTER_INTERRUPT) \
    X(DEAD_LOCK)

enum class CauseId : uint8_t {
#define TOLVANE_CASE(name) name,
    TOLVANE_CAUSE_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::CauseId> {
    using E = tolvane::CauseId;
    static constexpr std::array all{
#define TOLVANE_CASE(name) E::name,
        TOLVANE_CAUSE_IDS(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
