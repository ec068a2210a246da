#include "Internal/Model/DetectAbnormal/HaltStopDetector.h"

namespace tolvane {

HaltStopDetector::HaltStopDetector(std::shared_ptr<IInternalCautionData> cautionData, HaltStopCauses causes)
    : BaseDetectAbnormal(std::move(cautionData)), causes_(causes)
{
}

void HaltStopDetector::stateWillChange(DetectState newValue)
{
    updateTimingFor(newValue);
    switch (newValue) {
    case DetectState::none:
        break;
    case DetectState::normal:
        cautionData().removeCause(causes_.halt);
        cautionData().removeCause(causes_.stop);
        break;
    case DetectState::interrupt:
        cautionData().removeCause(causes_.stop);
        cautionData().addCause(causes_.halt);
        logStateChange(causes_.interruptLine, causes_.origin);
        break;
    case DetectState::suspension:
        cautionData().removeCause(causes_.halt);
        cautionData().addCause(causes_.stop);
        logStateChange(causes_.suspensionLine, causes_.origin);
        break;
    }
}

} // namespace tolvane
