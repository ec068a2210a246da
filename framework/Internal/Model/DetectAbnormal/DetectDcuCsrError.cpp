#include "Internal/Model/DetectAbnormal/DetectDcuCsrError.h"

namespace tolvane {

DetectDcuCsrError::DetectDcuCsrError(std::shared_ptr<IInternalCautionData> cautionData)
    : DcuErrorCounter(std::move(cautionData), {.halt = InternalCause::haltDcucsrerInterrupt,
                                               .stop = InternalCause::stopDcucsrerInterrupt,
                                               .interruptLine = "Occured DCUCSRER error [Interrupt].",
                                               .suspensionLine = "Occured DCUCSRER error [Suspension]."})
{
}

void DetectDcuCsrError::detect(const MekVerification& verification, const MekCsrReq& req,
                               const std::optional<MekAbnormal>& abnormal)
{
    if (state() == DetectState::none || !abnormal)
        return;
    // Any other sign of trouble from the vehicle starts the count again; a quiet record keeps it.
    if (abnormal->DCUCSRER == 1)
        count(Count::increment);
    else if (req.MEKDSPID != BtMekDspId::def || abnormal->DCUIDTER != 0 || verification.IDTDSPID != BtIdtDspId::none)
        count(Count::reset);
    else
        count(Count::keep);
}

} // namespace tolvane
