#include "Internal/Model/DetectAbnormal/DetectDcuIdtError.h"

namespace tolvane {

DetectDcuIdtError::DetectDcuIdtError(std::shared_ptr<IInternalCautionData> cautionData)
    : DcuErrorCounter(std::move(cautionData), {.halt = InternalCause::haltDcuidterInterrupt,
                                               .stop = InternalCause::stopDcuidterInterrupt,
                                               .interruptLine = "Occured DCUIDTER error [Interrupt].",
                                               .suspensionLine = "Occured DCUIDTER error [Suspension]."})
{
}

void DetectDcuIdtError::detect(const MekVerification& verification, const MekCsrReq& req,
                               const std::optional<MekAbnormal>& abnormal)
{
    if (state() == DetectState::none || !abnormal)
        return;
    const bool csrSideQuiet = abnormal->DCUCSRER == 0 && req.MEKDSPID == BtMekDspId::def;
    if (csrSideQuiet && abnormal->DCUIDTER == 1)
        count(Count::increment);
    else if (!csrSideQuiet || (abnormal->DCUIDTER == 0 && verification.IDTDSPID != BtIdtDspId::none))
        count(Count::reset);
    else
        count(Count::keep);
}

} // namespace tolvane
