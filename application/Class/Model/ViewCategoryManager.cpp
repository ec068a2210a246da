#include "Class/Model/ViewCategoryManager.h"

#include "Class/Model/AppCauseId.h"
#include "Class/Model/ViewCategory.h"

#include "foundation/IsOneOf.h"

namespace tolvane::app {
namespace {

using foundation::isOneOf;

int haltCategory(CauseId cause)
{
    using enum CauseId;
    return isOneOf(cause, {BT_LOSS, OUT_AREA, OPEN_DOOR, ACT_PKSB, BY_DRIVE, SMART_OPE, KEY_IN_CAR, BELT_ON,
                        PLUG_CONNECT, OBSTACLE, DOOR_UNLOCK, ROUTE_LOST, WRONG_WAY, CHECKSUM_ANOMALY, BT_OFF})
               ? ViewCategory::interruption
               : ViewCategory::none;
}

int stopCategory(CauseId cause)
{
    using enum CauseId;
    if (isOneOf(cause, {BT_LOSS, USER_SELF, VEHICLE_FAIL_OUT, USAGE_PROHIBITED, CAMERA_DART, VERIFY_FAIL_OUT,
                     CANNOT_START_VEHICLE_FAIL_OUT, CANNOT_START_USAGE_PROHIBITED, COUNTER_ANOMALY, CHECKSUM_ANOMALY}))
        return ViewCategory::endFirstGroup;
    if (cause == EPS_UNLEARNED ||
        isOneOf(cause, {LOW_BATTERY, USER_DRIVE, TIMEOUT_CONTROL, LOSE_PATH, NO_SPACE, APSW_PUSH, PVM_CANCEL, SONAR_DART,
                     STEEP_SLOPE, TEMPERATURE_LOW, OVER_SPEED, FAIL_FLAG, FAIL_MIRROR, SMART_CANCEL, BREAK_COMPLETE,
                     BREAK_TIMEOUT, CANNOT_START_SMART_CANCEL}))
        return ViewCategory::endInVehicle;
    return ViewCategory::none;
}

int systemCategory(CauseId cause)
{
    using enum CauseId;
    return isOneOf(cause, {LOW_BATTERY, KEY_IN_CAR, ABNORMAL_END, SYS_INSPECT, SYS_CONFIRM, KEYS_NO_DETECT,
                        ABNORMAL_CONNECT_BATTERY})
               ? ViewCategory::systemCause
               : ViewCategory::none;
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
        return ViewCategory::vehicleCheck;
    case VALID_VEHICLE_BLINKER:
        return ViewCategory::vehicleCheckWithBlinker;
    case SENSING:
        return ViewCategory::none;
    case SEL_PARK_IN:
    case SEL_PARK_OUT:
    case SEL_FORWARD_BACKWARD:
        return ViewCategory::planSelection;
    case OPERATE:
        return ViewCategory::operating;
    case REACH_POINT:
        return ViewCategory::arrival;
    case COMPLETE_PARK_OUT:
        return ViewCategory::parkOutCompleted;
    case COMPLETE_PARK_IN:
        return ViewCategory::parkInCompleted;
    case COMPLETE_PARK_IN_FORGET_HAZARD:
        return ViewCategory::parkInCompletedForgetHazard;
    case RESUME:
        return ViewCategory::resume;
    case HALT:
        return haltCategory(causeId);
    case STOP:
        return stopCategory(causeId);
    case DEF:
    case START_PARK_IN:
    case START_PARK_OUT:
        return systemCategory(causeId);
    }
    return ViewCategory::none;
}

bool ViewCategoryManager::endsTheRun(RequiredDisplayId reqDisplayId, CauseId causeId)
{
    using enum CauseId;
    switch (shared().getViewCategory(reqDisplayId, causeId)) {
    case ViewCategory::parkOutCompleted:
    case ViewCategory::parkInCompleted:
    case ViewCategory::parkInCompletedForgetHazard:
    case ViewCategory::endFirstGroup:
    case ViewCategory::endInVehicle:
        return isOneOf(reqDisplayId, {RequiredDisplayId::COMPLETE_PARK_IN, RequiredDisplayId::COMPLETE_PARK_IN_FORGET_HAZARD,
                                      RequiredDisplayId::COMPLETE_PARK_OUT}) ||
               isOneOf(causeId, {USER_SELF, VEHICLE_FAIL_OUT, USAGE_PROHIBITED, CAMERA_DART, VERIFY_FAIL_OUT, BREAK_TIMEOUT,
                                 CANNOT_START_VEHICLE_FAIL_OUT, CANNOT_START_USAGE_PROHIBITED});
    case ViewCategory::systemCause:
        // ABNORMAL_BUTTERY_STATUS is no system cause, so it never reaches this branch; kept as the rule reads.
        return isOneOf(causeId, {ABNORMAL_END, SYS_INSPECT, SYS_CONFIRM, ABNORMAL_BUTTERY_STATUS});
    default:
        return false;
    }
}

} // namespace tolvane::app
