#include "Class/UI/IGONWarn/View/IGONWarnTexts.h"

#include "Class/Model/AppCauseId.h"

#include "R.h"

namespace tolvane::app {
namespace {

namespace text = R::string::localizable;

const WarnTextRow<CauseId> rows[] = {
    {CauseId::LOW_BATTERY, text::IGONWarn_Lowbattery_Status, text::IGONWarn_Lowbattery_Message},
    {CauseId::USER_DRIVE, text::IGONWarn_StopUserDrive_Status, text::IGONWarn_StopUserDrive_Message},
    {CauseId::TIMEOUT_CONTROL, text::Warn_StopTimeoutControl_Status, text::Warn_StopTimeoutControl_Message},
    {CauseId::LOSE_PATH, text::IGONWarn_StopLosePath_Status, text::IGONWarn_StopLosePath_Message},
    {EPS_UNLEARNED, text::IGONWarn_EPSUnlearned_Status, text::IGONWarn_EPSUnlearned_Message},
    {CauseId::NO_SPACE, text::IGONWarn_StopNoselectablePlan_Status, text::IGONWarn_StopNoselectablePlan_Message},
    {CauseId::APSW_PUSH, text::IGONWarn_StopPushApsw_Status, text::IGONWarn_StopPushApsw_Message},
    {CauseId::PVM_CANCEL, text::IGONWarn_StopPushApsw_Status, text::IGONWarn_StopPushApsw_Message},
    {CauseId::SONAR_DART, text::IGONWarn_StopDirtySonner_Status, text::IGONWarn_StopDirtySonner_Message},
    {CauseId::STEEP_SLOPE, text::IGONWarn_StopSteepSlope_Status, text::IGONWarn_StopSteepSlope_Message},
    {CauseId::TEMPERATURE_LOW, text::IGONWarn_StopMinusThirty_Status, text::IGONWarn_StopMinusThirty_Message},
    {CauseId::OVER_SPEED, text::IGONWarn_StopOverSpeed_Status, text::IGONWarn_StopOverSpeed_Message},
    {CauseId::FAIL_FLAG, text::IGONWarn_StopIgonFlg_Status, text::IGONWarn_StopIgonFlg_Message},
    {CauseId::FAIL_MIRROR, text::IGONWarn_StopMirrorError_Status, text::IGONWarn_StopMirrorError_Message},
    {CauseId::SMART_CANCEL, text::IGONWarn_StopSmartCancel_Status, text::IGONWarn_StopSmartCancel_Message},
    {CauseId::BREAK_COMPLETE, text::IGONWarn_StopBrakeOn_Status, text::IGONWarn_StopBrakeOn_Message},
    {CauseId::BREAK_TIMEOUT, text::IGONWarn_StopBrakeOnTimeout_Status, text::IGONWarn_StopBrakeOnTimeout_Message},
    {CauseId::CANNOT_START_SMART_CANCEL, text::IGONWarn_StopSmartCancelStart_Status, text::IGONWarn_StopSmartCancelStart_Message},
    {CauseId::DEAD_LOCK, text::IGONWarn_StopLosePath_Status, text::IGONWarn_StopLosePath_Message},
};

} // namespace

std::optional<WarnTexts> igonWarnTexts(CauseId cause)
{
    return lookUpWarnTexts(rows, cause);
}

} // namespace tolvane::app
