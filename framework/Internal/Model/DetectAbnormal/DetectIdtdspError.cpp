#include "Internal/Model/DetectAbnormal/DetectIdtdspError.h"

namespace tolvane {

DetectIdtdspError::DetectIdtdspError(std::shared_ptr<IInternalCautionData> cautionData)
    : DisplayIdCauseDetector(std::move(cautionData), "Occured IDTDSPID error [Interrupt].")
{
}

void DetectIdtdspError::detect(const std::optional<MekVerification>& verification, const MekCsrReq& req)
{
    if (state() == DetectState::none || !verification)
        return;
    const bool gate = req.MEKDSPID == BtMekDspId::def ||
                      (req.isCntFixing && cautionData().hasCause(CauseId::COUNTER_ANOMALY));
    const auto cause = gate ? parseInternalCause(*verification) : std::nullopt;
    if (cause)
        raise(*cause);
    else
        setState(DetectState::normal);
}

} // namespace tolvane
