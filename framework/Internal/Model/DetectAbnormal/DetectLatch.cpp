#include "Internal/Model/DetectAbnormal/DetectLatch.h"

namespace tolvane {

DetectLatch::DetectLatch(std::shared_ptr<IInternalCautionData> cautionData) : BaseDetectAbnormal(std::move(cautionData)) {}

void DetectLatch::detect(const std::optional<MekCsrReq>& req, const std::optional<MekCsrReq>& prevReq)
{
    if (state() != DetectState::normal || !req)
        return;
    if (prevReq && prevReq->MEKDSPID == BtMekDspId::halt_route_lost)
        return;
    if (req->MEKDSPID == BtMekDspId::halt_route_lost) {
        setState(DetectState::interrupt);
        latchTimer_ = scheduleTimer(LATCH_INTERVAL, [this] {
            if (state() != DetectState::none)
                setState(DetectState::normal);
        });
    } else {
        cautionData().removeCause(InternalCause::routeLost);
    }
}

void DetectLatch::stateWillChange(DetectState newValue)
{
    switch (newValue) {
    case DetectState::none:
    case DetectState::normal:
        releaseLatchTimer();
        break;
    case DetectState::interrupt:
        cautionData().addCause(InternalCause::routeLost);
        logStateChange("Occured latch error [Interrupt].");
        break;
    case DetectState::suspension:
        break;
    }
}

void DetectLatch::releaseLatchTimer()
{
    release(latchTimer_);
}

} // namespace tolvane
