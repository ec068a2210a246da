#include "Internal/Model/CaseName.h"

#include <array>
#include <string_view>

namespace tolvane {
namespace {

template <class E, size_t N>
std::string nameIn(const std::array<std::string_view, N>& names, E value, std::string_view typeName)
{
    const auto index = static_cast<size_t>(value);
    if (index < names.size())
        return std::string(names[index]);
    return std::string(typeName) + "(" + std::to_string(index) + ")";
}

constexpr std::array<std::string_view, 17> displayIdNames{
    "DEF",         "VALID_VEHICLE", "VALID_VEHICLE_BLINKER", "START_PARK_IN",
    "START_PARK_OUT", "SENSING",    "SEL_PARK_IN",           "SEL_PARK_OUT",
    "SEL_FORWARD_BACKWARD", "OPERATE", "REACH_POINT",        "COMPLETE_PARK_IN",
    "COMPLETE_PARK_IN_FORGET_HAZARD", "COMPLETE_PARK_OUT",   "RESUME",
    "HALT",        "STOP",
};

constexpr std::array<std::string_view, 52> causeNames{
    "DEF",        "BT_LOSS",     "OUT_AREA",       "OPEN_DOOR",       "ACT_PKSB",
    "BY_DRIVE",   "SMART_OPE",   "CAN_LOSS",       "LOW_BATTERY",     "KEY_IN_CAR",
    "BELT_ON",    "PLUG_CONNECT", "OBSTACLE",      "DOOR_UNLOCK",     "ROUTE_LOST",
    "USER_SELF",  "USER_DRIVE",  "TIMEOUT_CONTROL", "LOSE_PATH",      "VEHICLE_FAIL_OUT",
    "USAGE_PROHIBITED", "CAMERA_DART", "VERIFY_FAIL_OUT", "NO_SPACE", "APSW_PUSH",
    "PVM_CANCEL", "SONAR_DART",  "STEEP_SLOPE",    "TEMPERATURE_LOW", "OVER_SPEED",
    "FAIL_FLAG",  "FAIL_MIRROR", "SMART_CANCEL",   "BREAK_COMPLETE",  "BREAK_TIMEOUT",
    "CANNOT_START_VEHICLE_FAIL_OUT", "CANNOT_START_USAGE_PROHIBITED", "WRONG_WAY",
    "CANNOT_START_SMART_CANCEL", "COUNTER_ANOMALY", "CHECKSUM_ANOMALY", "ABNORMAL_END",
    "SYS_INSPECT", "SYS_CONFIRM", "KEYS_NO_DETECT", "ABNORMAL_BUTTERY_STATUS",
    "ABNORMAL_CONNECT_BATTERY", "ABNORMAL_KEY_IN_CAR", "BT_OFF", "DCUCSRER_INTERRUPT",
    "DCUIDTER_INTERRUPT", "DEAD_LOCK",
};

constexpr std::array<std::string_view, 3> sdkStateNames{"NOT_OPERATING", "OPERATING", "TIMEOUT"};

} // namespace

std::string caseName(RequiredDisplayId value)
{
    return nameIn(displayIdNames, value, "RequiredDisplayId");
}

std::string caseName(CauseId value)
{
    return nameIn(causeNames, value, "CauseId");
}

std::string caseName(SdkState value)
{
    return nameIn(sdkStateNames, value, "SdkState");
}

} // namespace tolvane
