#include "Class/UI/Base/ViewModel/InteruptCustomAlertViewModel.h"

#include "Class/Model/CurrentHistoryId.h"
#include "Class/Model/EventStack.h"
#include "Class/Model/SelectedCarName.h"
#include "Class/UI/Base/View/DisplayPriority.h"

#include "Internal/Model/IDisplayModel.h"
#include "foundation/IsOneOf.h"

#include <algorithm>
#include <initializer_list>

namespace tolvane::app {
namespace {

using foundation::isOneOf;

// The causes whose halt alerts even an in-app cancel confirmation gives way to.
bool beatsCancelConfirmation(const std::optional<CauseId>& cause)
{
    using enum CauseId;
    return isOneOf(cause, {BT_LOSS, COUNTER_ANOMALY, CHECKSUM_ANOMALY, KEYS_NO_DETECT, ABNORMAL_CONNECT_BATTERY, ABNORMAL_KEY_IN_CAR});
}

// The causes whose halt alerts an in-app override warning gives way to.
bool beatsOverrideWarning(const std::optional<CauseId>& cause)
{
    using enum CauseId;
    return isOneOf(cause, {BT_LOSS, BT_OFF});
}

std::optional<DisplayPriority> haltPriority(CauseId cause)
{
    using enum CauseId;
    switch (cause) {
    case BT_OFF:
        return DisplayPriority::checkBluetoothError;
    case BT_LOSS:
        return DisplayPriority::checkCommunicationDisruptedError;
    case DCUCSRER_INTERRUPT:
        return DisplayPriority::dcuCsrError;
    case DCUIDTER_INTERRUPT:
        return DisplayPriority::dcuIdtError;
    case KEYS_NO_DETECT:
    case ABNORMAL_CONNECT_BATTERY:
    case ABNORMAL_KEY_IN_CAR:
        return DisplayPriority::communicationDisrupted;
    case CHECKSUM_ANOMALY:
        return DisplayPriority::checkSumError;
    case COUNTER_ANOMALY:
        return DisplayPriority::fixedClearSonerCounterError;
    case OUT_AREA:
    case OPEN_DOOR:
    case ACT_PKSB:
    case BY_DRIVE:
    case SMART_OPE:
    case CAN_LOSS:
    case KEY_IN_CAR:
    case BELT_ON:
    case PLUG_CONNECT:
    case OBSTACLE:
    case DOOR_UNLOCK:
    case ROUTE_LOST:
    case WRONG_WAY:
        return DisplayPriority::mekDisplayError;
    default:
        return std::nullopt;
    }
}

// The close reason an alert of this priority stands for while it is up.
std::optional<EventCode> reasonWhileShown(int priority, const std::optional<CauseId>& cause)
{
    using enum CauseId;
    switch (priority) {
    case static_cast<int>(DisplayPriority::checkBluetoothError):
        return EventCode::E007;
    case static_cast<int>(DisplayPriority::checkCommunicationDisruptedError):
        return EventCode::E006;
    case static_cast<int>(DisplayPriority::checkSumError):
        return EventCode::E008;
    case static_cast<int>(DisplayPriority::fixedClearSonerCounterError):
        return EventCode::E009;
    case static_cast<int>(DisplayPriority::communicationDisrupted):
        if (cause == KEYS_NO_DETECT)
            return EventCode::E014;
        if (cause == ABNORMAL_CONNECT_BATTERY)
            return EventCode::E016;
        if (cause == ABNORMAL_KEY_IN_CAR)
            return EventCode::E017;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool isAlertWarnKind(InAppWarningKind kind)
{
    return kind == InAppWarningKind::timedOutRequestIDWaiting || kind == InAppWarningKind::cancelConfrim ||
           kind == InAppWarningKind::overrideOperations;
}

} // namespace

InteruptCustomAlertViewModel::InteruptCustomAlertViewModel(std::shared_ptr<IDisplayModel> displayModel)
    : displayModel_(std::move(displayModel))
{
}

void InteruptCustomAlertViewModel::setInAppWarn(InAppWarningKind warnKind)
{
    alertWarnKind_ = warnKind;
    if (isAlertWarnKind(warnKind))
        dispPriority_ = static_cast<int>(DisplayPriority::stopConfirmation);
    else
        alertWarnKind_ = InAppWarningKind::none;
    action_.send(Action::setInAppWarn{warnKind});
}

void InteruptCustomAlertViewModel::setRequiredWarn(RequiredDisplayId requireDisplayId, CauseId causeId)
{
    reqDisplayId_ = requireDisplayId;
    causeId_ = causeId;
    if (requireDisplayId == RequiredDisplayId::RESUME)
        dispPriority_ = static_cast<int>(DisplayPriority::dcuIdtError);
    else if (requireDisplayId == RequiredDisplayId::HALT)
        if (auto priority = haltPriority(causeId))
            dispPriority_ = static_cast<int>(*priority);
    action_.send(Action::setRequiredWarn{requireDisplayId, causeId});
}

void InteruptCustomAlertViewModel::viewWillAppear()
{
    if (auto reason = reasonWhileShown(dispPriority_, causeId_))
        EventStack::shared().push(currentHistoryId().copy(), *reason, selectedCarName());
}

void InteruptCustomAlertViewModel::didDismiss()
{
    std::optional<EventCode> reason;
    if (dispPriority_ == static_cast<int>(DisplayPriority::communicationDisrupted)) {
        // The key-related reasons stay recorded after their alert; a battery connection does not.
        if (causeId_ == CauseId::ABNORMAL_CONNECT_BATTERY)
            reason = EventCode::E016;
    } else if (!dismissForWarn_) {
        reason = reasonWhileShown(dispPriority_, causeId_);
    }
    if (reason)
        EventStack::shared().pop(currentHistoryId().copy(), *reason, selectedCarName());
}

void InteruptCustomAlertViewModel::notifyDisplayOutsideSdkControl(bool isDisplay)
{
    if (displayModel_)
        displayModel_->notifyDisplayOutsideSdkControl(isDisplay);
}

bool InteruptCustomAlertViewModel::isSameAlert(const IInteruptCustomAlertViewModel& other) const
{
    return alertWarnKind_ == other.alertWarnKind() && reqDisplayId_ == other.reqDisplayId() && causeId_ == other.causeId();
}

bool InteruptCustomAlertViewModel::isOutranked(const IInteruptCustomAlertViewModel& candidate) const
{
    const auto cancel = InAppWarningKind::cancelConfrim;
    const auto override = InAppWarningKind::overrideOperations;
    if (alertWarnKind_ == cancel)
        return candidate.alertWarnKind() == cancel || beatsCancelConfirmation(candidate.causeId());
    if (candidate.alertWarnKind() == cancel)
        return !beatsCancelConfirmation(causeId_);
    if (alertWarnKind_ == override)
        return candidate.alertWarnKind() == override || beatsOverrideWarning(candidate.causeId());
    if (candidate.alertWarnKind() == override)
        return !beatsOverrideWarning(causeId_);
    // A lower value is more urgent; on a tie the candidate wins.
    return dispPriority_ >= candidate.dispPriority();
}

} // namespace tolvane::app
