#include "Class/UI/Warn/View/WarnTexts.h"

#include "R.h"

namespace tolvane::app {
namespace {

namespace text = R::string::localizable;
using Text = std::string (*)(const std::vector<std::string>&);

struct ProcessingRow {
    CauseId cause;
    Text message;
};

const ProcessingRow processingRows[] = {
    {CauseId::USER_SELF, text::Warn_StopUserSelf_Processing},
    {CauseId::VEHICLE_FAIL_OUT, text::Warn_StopVehicleFailout_Processing},
    {CauseId::USAGE_PROHIBITED, text::Warn_StopNotAvailable_Processing},
    {CauseId::CAMERA_DART, text::Warn_StopDirtyCamera_Processing},
    {CauseId::VERIFY_FAIL_OUT, text::Warn_StopVerifyFailout_Processing},
    {CauseId::CANNOT_START_VEHICLE_FAIL_OUT, text::Warn_StopVehicleFailoutStart_Processing},
    {CauseId::CANNOT_START_USAGE_PROHIBITED, text::Warn_StopNotAvailableStart_Processing},
};

const WarnTextRow<CauseId> stopRows[] = {
    {CauseId::USER_SELF, text::Warn_StopUserSelf_Status, text::Warn_StopUserSelf_Message},
    {CauseId::VEHICLE_FAIL_OUT, text::Warn_StopVehicleFailout_Status, text::Warn_StopVehicleFailout_Message},
    {CauseId::USAGE_PROHIBITED, text::Warn_StopNotAvailable_Status, text::Warn_StopNotAvailable_Message},
    {CauseId::CAMERA_DART, text::Warn_StopDirtyCamera_Status, text::Warn_StopDirtyCamera_Message},
    {CauseId::VERIFY_FAIL_OUT, text::Warn_StopVerifyFailout_Status, text::Warn_StopVerifyFailout_Message},
};

const WarnTextRow<CauseId> cannotStartRows[] = {
    {CauseId::CANNOT_START_VEHICLE_FAIL_OUT, text::Warn_StopVehicleFailoutStart_Status, text::Warn_StopVehicleFailoutStart_Message},
    {CauseId::CANNOT_START_USAGE_PROHIBITED, text::Warn_StopNotAvailableStart_Status, text::Warn_StopNotAvailableStart_Message},
};

const WarnTextRow<CauseId> ecuAbnormalityRows[] = {
    {CauseId::BT_LOSS, text::Warn_CommunicationDisrupted_Status, text::Warn_CommunicationDisrupted_Message},
    {CauseId::COUNTER_ANOMALY, text::Warn_FixedClearSonerCounter_Status, text::Warn_FixedClearSonerCounter_Message},
    {CauseId::DCUCSRER_INTERRUPT, text::Warn_FixedClearSonerCounter_Status, text::Warn_FixedClearSonerCounter_Message},
    {CauseId::DCUIDTER_INTERRUPT, text::Warn_FixedClearSonerCounter_Status, text::Warn_FixedClearSonerCounter_Message},
    {CauseId::CHECKSUM_ANOMALY, text::Warn_CheckSumError_Status, text::Warn_CheckSumError_Message},
    {CauseId::ABNORMAL_END, text::Warn_AbEnd_Status, text::Warn_AbEnd_Message},
    {CauseId::SYS_INSPECT, text::Warn_AbSysInspect_Status, text::Warn_AbSysInspect_Message},
    {CauseId::SYS_CONFIRM, text::Warn_AbSysConfirm_Status, text::Warn_AbSysConfirm_Message},
    {CauseId::ABNORMAL_BUTTERY_STATUS, text::Warn_AbBattstatus_Status, text::Warn_AbBattstatus_Message},
    {CauseId::BT_OFF, text::Warn_BluetoothOff_Status, text::Warn_BluetoothOff_Message},
};

const WarnTextRow<InAppWarningKind> inAppRows[] = {
    {InAppWarningKind::failedToOpenTerminal, text::Warn_TimedOutActivation_Status, text::Warn_TimedOutActivation_Message},
    {InAppWarningKind::timedOutActivation, text::Warn_TimedOutActivation_Status, text::Warn_TimedOutActivation_Message},
    {InAppWarningKind::timedOutCloseTerminal, text::Warn_TimedOutCloseTerminal_Status, text::Warn_TimedOutCloseTerminal_Message},
    {InAppWarningKind::disconnectAtIGONWarn, text::Warn_StopTimeoutControl_Status, text::Warn_StopTimeoutControl_Message},
    {InAppWarningKind::timeoutAtIGONWarn, text::Warn_StopTimeoutControlTimeout_Status, text::Warn_StopTimeoutControlTimeout_Message},
};

} // namespace

std::optional<std::string> warnProcessingMessage(CauseId cause)
{
    const auto row = std::ranges::find(processingRows, cause, &ProcessingRow::cause);
    if (row == std::end(processingRows))
        return std::nullopt;
    return row->message(textLanguages());
}

std::optional<WarnTexts> warnStopTexts(CauseId cause)
{
    return lookUpWarnTexts(stopRows, cause);
}

std::optional<WarnTexts> warnCannotStartTexts(CauseId cause)
{
    return lookUpWarnTexts(cannotStartRows, cause);
}

std::optional<WarnTexts> warnEcuAbnormalityTexts(CauseId cause)
{
    return lookUpWarnTexts(ecuAbnormalityRows, cause);
}

std::optional<WarnTexts> warnInAppTexts(InAppWarningKind kind)
{
    return lookUpWarnTexts(inAppRows, kind);
}

} // namespace tolvane::app
