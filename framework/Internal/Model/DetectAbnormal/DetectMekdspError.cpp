#include "Internal/Model/DetectAbnormal/DetectMekdspError.h"

namespace tolvane {

DetectMekdspError::DetectMekdspError(std::shared_ptr<IInternalCautionData> cautionData)
    : DisplayIdCauseDetector(std::move(cautionData), "Occured MEKDSPID error [Interrupt].")
{
}

void DetectMekdspError::detect(const std::optional<MekCsrReq>& req)
{
    if (state() == DetectState::none || !req)
        return;
    if (const auto cause = parseInternalCause(*req))
        raise(*cause);
    else if (req->MEKDSPID != BtMekDspId::def)
        reset();
}

void DetectMekdspError::reset()
{
    setState(DetectState::normal);
}

} // namespace tolvane
