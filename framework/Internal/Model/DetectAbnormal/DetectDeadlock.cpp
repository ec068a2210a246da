#include "Internal/Model/DetectAbnormal/DetectDeadlock.h"

namespace tolvane {

DetectDeadlock::DetectDeadlock(std::shared_ptr<IInternalCautionData> cautionData)
    : BaseDetectAbnormal(std::move(cautionData))
{
}

void DetectDeadlock::detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq,
                            std::optional<foundation::Seconds> lastOperationTime)
{
    if (state() != DetectState::normal || !req || !prevReq || !lastOperationTime)
        return;
    const bool turnedToRouteLost =
        prevReq->MEKDSPID != BtMekDspId::halt_route_lost && req->MEKDSPID == BtMekDspId::halt_route_lost;
    if (!turnedToRouteLost)
        return;
    // A slow turn leaves the count as it is.
    if (now() - *lastOperationTime > DEADLOCK_TIME)
        return;
    ++deadlockCounter_;
    if (deadlockCounter_ >= DEADLOCK_THRESHOLD)
        setState(DetectState::suspension);
}

void DetectDeadlock::stateWillChange(DetectState newValue)
{
    switch (newValue) {
    case DetectState::none:
        deadlockCounter_ = 0;
        break;
    case DetectState::normal:
        deadlockCounter_ = 0;
        cautionData().removeCause(InternalCause::deadLock);
        break;
    case DetectState::interrupt:
        break;
    case DetectState::suspension:
        cautionData().addCause(InternalCause::deadLock);
        logStateChange("Occured deadlock error [Suspension].");
        break;
    }
}

} // namespace tolvane
