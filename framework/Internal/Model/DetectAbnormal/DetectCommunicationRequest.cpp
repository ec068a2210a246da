#include "Internal/Model/DetectAbnormal/DetectCommunicationRequest.h"

namespace tolvane {

DetectCommunicationRequest::DetectCommunicationRequest(std::shared_ptr<IInternalCautionData> cautionData)
    : CommunicationWatchdog(std::move(cautionData),
                            {.halt = InternalCause::haltReqBtLoss,
                             .stop = InternalCause::stopReqBtLoss,
                             .interruptLine = "Occured disrupted communication BTID 0x0005 error [Interrupt].",
                             .suspensionLine = "Occured disrupted communication BTID 0x0005 error [Suspension]."})
{
}

void DetectCommunicationRequest::detect(const std::optional<MekCsrReq>& req)
{
    watch(req.has_value());
}

void DetectCommunicationRequest::switchPause(bool pause)
{
    switchWatchPause(pause);
}

} // namespace tolvane
