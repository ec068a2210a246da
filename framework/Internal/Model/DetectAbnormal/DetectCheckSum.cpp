#include "Internal/Model/DetectAbnormal/DetectCheckSum.h"

namespace tolvane {

DetectCheckSum::DetectCheckSum(std::shared_ptr<IInternalCautionData> cautionData)
    : HaltStopDetector(std::move(cautionData), {.halt = InternalCause::haltChecksumAnomaly,
                                                .stop = InternalCause::stopChecksumAnomaly,
                                                .interruptLine = "Occured check sum abnormal error [Interrupt].",
                                                .suspensionLine = "Occured check sum abnormal error [Suspension]."})
{
}

bool DetectCheckSum::doChecksum() const
{
    return state() != DetectState::none;
}

void DetectCheckSum::detect(const std::optional<MekCsrReq>& req)
{
    if (state() == DetectState::none || !req)
        return;
    if (!req->checkSumAbnormal) {
        setState(DetectState::normal);
        return;
    }
    if (!checkSumAbnormalDate_) {
        checkSumAbnormalDate_ = now();
        return;
    }
    // Every further abnormal record writes the state again, whatever it is.
    const foundation::Seconds elapsed = now() - *checkSumAbnormalDate_;
    if (elapsed > SUSPENSION_TIMEOUT)
        setState(DetectState::suspension);
    else if (elapsed > INTERRUPT_TIMEOUT)
        setState(DetectState::interrupt);
}

void DetectCheckSum::updateTimingFor(DetectState newValue)
{
    if (newValue == DetectState::none || newValue == DetectState::normal)
        checkSumAbnormalDate_.reset();
}

} // namespace tolvane
