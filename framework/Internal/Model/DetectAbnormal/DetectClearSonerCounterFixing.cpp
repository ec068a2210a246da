#include "Internal/Model/DetectAbnormal/DetectClearSonerCounterFixing.h"

namespace tolvane {

DetectClearSonerCounterFixing::DetectClearSonerCounterFixing(std::shared_ptr<IInternalCautionData> cautionData)
    : HaltStopDetector(std::move(cautionData), {.halt = InternalCause::haltCounterAnomaly,
                                                .stop = InternalCause::stopCounterAnomaly,
                                                .interruptLine = "Occured clear soner fixing error [Interrupt].",
                                                .suspensionLine = "Occured clear soner fixing error [Suspension]."})
{
}

void DetectClearSonerCounterFixing::detect(const std::optional<MekCsrReq>& req)
{
    if (state() == DetectState::none || !req)
        return;
    // An all-default record is the state before any real message, whatever its counter says.
    const bool counterFixed = !req->isAllDefault() && req->isCntFixing;
    if (!counterFixed) {
        setState(DetectState::normal);
        return;
    }
    if (!clearSonerCounterFixingDate_) {
        clearSonerCounterFixingDate_ = now();
        return;
    }
    const foundation::Seconds elapsed = now() - *clearSonerCounterFixingDate_;
    if (elapsed > SUSPENSION_TIMEOUT && state() == DetectState::interrupt) {
        setState(DetectState::suspension);
    } else if (elapsed > INTERRUPT_TIMEOUT && state() == DetectState::normal) {
        // The stop is counted from the halt.
        clearSonerCounterFixingDate_ = now();
        setState(DetectState::interrupt);
    }
}

void DetectClearSonerCounterFixing::updateTimingFor(DetectState newValue)
{
    if (newValue == DetectState::none || newValue == DetectState::normal)
        clearSonerCounterFixingDate_.reset();
}

} // namespace tolvane
