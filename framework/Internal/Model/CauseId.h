#pragma once

#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>

namespace tolvane {

// The public reason for a halt or a stop. The value is the case index, under which it crosses to the
// application, so the order of the cases is part of the public interface.
enum class CauseId : uint8_t {
    DEF = 0,
    BT_LOSS = 1,
    OUT_AREA = 2,
    OPEN_DOOR = 3,
    ACT_PKSB = 4,
    BY_DRIVE = 5,
    SMART_OPE = 6,
    CAN_LOSS = 7,
    LOW_BATTERY = 8,
    KEY_IN_CAR = 9,
    BELT_ON = 10,
    PLUG_CONNECT = 11,
    OBSTACLE = 12,
    DOOR_UNLOCK = 13,
    ROUTE_LOST = 14,
    USER_SELF = 15,
    USER_DRIVE = 16,
    TIMEOUT_CONTROL = 17,
    LOSE_PATH = 18,
    VEHICLE_FAIL_OUT = 19,
    USAGE_PROHIBITED = 20,
    CAMERA_DART = 21,
    VERIFY_FAIL_OUT = 22,
    NO_SPACE = 23,
    APSW_PUSH = 24,
    PVM_CANCEL = 25,
    SONAR_DART = 26,
    STEEP_SLOPE = 27,
    TEMPERATURE_LOW = 28,
    OVER_SPEED = 29,
    FAIL_FLAG = 30,
    FAIL_MIRROR = 31,
    SMART_CANCEL = 32,
    BREAK_COMPLETE = 33,
    BREAK_TIMEOUT = 34,
    CANNOT_START_VEHICLE_FAIL_OUT = 35,
    CANNOT_START_USAGE_PROHIBITED = 36,
    WRONG_WAY = 37,
    CANNOT_START_SMART_CANCEL = 38,
    COUNTER_ANOMALY = 39,
    CHECKSUM_ANOMALY = 40,
    ABNORMAL_END = 41,
    SYS_INSPECT = 42,
    SYS_CONFIRM = 43,
    KEYS_NO_DETECT = 44,
    ABNORMAL_BUTTERY_STATUS = 45,
    ABNORMAL_CONNECT_BATTERY = 46,
    ABNORMAL_KEY_IN_CAR = 47,
    BT_OFF = 48,
    DCUCSRER_INTERRUPT = 49,
    DCUIDTER_INTERRUPT = 50,
    DEAD_LOCK = 51,
};

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::CauseId> {
    using E = tolvane::CauseId;
    static constexpr std::array all{
        E::DEF, E::BT_LOSS, E::OUT_AREA, E::OPEN_DOOR,
        E::ACT_PKSB, E::BY_DRIVE, E::SMART_OPE, E::CAN_LOSS,
        E::LOW_BATTERY, E::KEY_IN_CAR, E::BELT_ON, E::PLUG_CONNECT,
        E::OBSTACLE, E::DOOR_UNLOCK, E::ROUTE_LOST, E::USER_SELF,
        E::USER_DRIVE, E::TIMEOUT_CONTROL, E::LOSE_PATH, E::VEHICLE_FAIL_OUT,
        E::USAGE_PROHIBITED, E::CAMERA_DART, E::VERIFY_FAIL_OUT, E::NO_SPACE,
        E::APSW_PUSH, E::PVM_CANCEL, E::SONAR_DART, E::STEEP_SLOPE,
        E::TEMPERATURE_LOW, E::OVER_SPEED, E::FAIL_FLAG, E::FAIL_MIRROR,
        E::SMART_CANCEL, E::BREAK_COMPLETE, E::BREAK_TIMEOUT, E::CANNOT_START_VEHICLE_FAIL_OUT,
        E::CANNOT_START_USAGE_PROHIBITED, E::WRONG_WAY, E::CANNOT_START_SMART_CANCEL, E::COUNTER_ANOMALY,
        E::CHECKSUM_ANOMALY, E::ABNORMAL_END, E::SYS_INSPECT, E::SYS_CONFIRM,
        E::KEYS_NO_DETECT, E::ABNORMAL_BUTTERY_STATUS, E::ABNORMAL_CONNECT_BATTERY, E::ABNORMAL_KEY_IN_CAR,
        E::BT_OFF, E::DCUCSRER_INTERRUPT, E::DCUIDTER_INTERRUPT, E::DEAD_LOCK,
    };
};
