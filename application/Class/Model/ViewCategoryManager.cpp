#include "Class/Model/ViewCategoryManager.h"

#include "Class/Model/AppCauseId.h"

#include <algorithm>
#include <initializer_list>

namespace tolvane::app {
namespace {

bool isIn(CauseId cause, std::initializer_list<CauseId> set)
{
    return std::find(set.begin(), set.end(), cause) != set.end();
}

int haltCategory(CauseId cause)
{
    using enum CauseId;
    return isIn(cause, {BT_LOSS, OUT_AREA, OPEN_DOOR, ACT_PKSB, BY_DRIVE, SMART_OPE, KEY_IN_CAR, BELT_ON,
                        PLUG_CONNECT, OBSTACLE, DOOR_UNLOCK, ROUTE_LOST, WRONG_WAY, CHECKSUM_ANOMALY, BT_OFF})
               ? 7
               : 15;
}

int stopCategory(CauseId cause)
{
    using enum CauseId;
    if (isIn(cause, {BT_LOSS, USER_SELF, VEHICLE_FAIL_OUT, USAGE_PROHIBITED, CAMERA_DART, VERIFY_FAIL_OUT,
                     CANNOT_START_VEHICLE_FAIL_OUT, CANNOT_START_USAGE_PROHIBITED, COUNTER_ANOMALY, CHECKSUM_ANOMALY}))
        return 8;
    if (cause == EPS_UNLEARNED ||
        isIn(cause, {LOW_BATTERY, USER_DRIVE, TIMEOUT_CONTROL, LOSE_PATH, NO_SPACE, APSW_PUSH, PVM_CANCEL, SONAR_DART,
                     STEEP_SLOPE, TEMPERATURE_LOW, OVER_SPEED, FAIL_FLAG, FAIL_MIRROR, SMART_CANCEL, BREAK_COMPLETE,
                     BREAK_TIMEOUT, CANNOT_START_SMART_CANCEL}))
        return 9;
    return 15;
}

int systemCategory(CauseId cause)
{
    using enum CauseId;
    return isIn(cause, {LOW_BATTERY, KEY_IN_CAR, ABNORMAL_END, SYS_INSPECT, SYS_CONFIRM, KEYS_NO_DETECT,
                        ABNORMAL_CONNECT_BATTERY})
               ? 10
               : 15;
}

} // namespace

const IViewCategoryManager& ViewCategoryManager::shared()
{
    static const ViewCategoryManager instance;
    return instance;
}

int ViewCategoryManager::getViewCategory(RequiredDisplayId reqDisplayId, CauseId causeId) const
{
    using enum RequiredDisplayId;
    switch (reqDisplayId) {
    case VALID_VEHICLE:
        return 13;
    case VALID_VEHICLE_BLINKER:
        return 14;
    case SENSING:
        return 15;
    case SEL_PARK_IN:
    case SEL_PARK_OUT:
    case SEL_FORWARD_BACKWARD:
        return 1;
    case OPERATE:
        return 2;
    case REACH_POINT:
        return 3;
    case COMPLETE_PARK_OUT:
        return 4;
    case COMPLETE_PARK_IN:
        return 5;
    case COMPLETE_PARK_IN_FORGET_HAZARD:
        return 6;
    case RESUME:
        return 11;
    case HALT:
        return haltCategory(causeId);
    case STOP:
        return stopCategory(causeId);
    case DEF:
    case START_PARK_IN:
    case START_PARK_OUT:
        return systemCategory(causeId);
    }
    return 15;
}

} // namespace tolvane::app
