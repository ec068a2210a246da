#include "Internal/Model/DetectAbnormal/DetectCommunicationVerification.h"

namespace tolvane {

DetectCommunicationVerification::DetectCommunicationVerification(std::shared_ptr<IInternalCautionData> cautionData)
    : CommunicationWatchdog(std::move(cautionData),
                            {.halt = InternalCause::haltVerificationBtLoss,
                             .stop = InternalCause::stopVerificationBtLoss,
                             .interruptLine = "Occured disrupted communication BTID 0x0004 error [Interrupt].",
                             .suspensionLine = "Occured disrupted communication BTID 0x0004 error [Suspension]."})
{
}

void DetectCommunicationVerification::detect(const std::optional<MekVerification>& verification)
{
    watch(verification.has_value());
}

void DetectCommunicationVerification::switchPause(bool pause)
{
    switchWatchPause(pause);
}

} // namespace tolvane
