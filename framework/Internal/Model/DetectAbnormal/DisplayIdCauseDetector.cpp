#include "Internal/Model/DetectAbnormal/DisplayIdCauseDetector.h"

namespace tolvane {

DisplayIdCauseDetector::DisplayIdCauseDetector(std::shared_ptr<IInternalCautionData> cautionData,
                                               std::string_view interruptLine, std::source_location origin)
    : BaseDetectAbnormal(std::move(cautionData)), interruptLine_(interruptLine), origin_(origin)
{
}

void DisplayIdCauseDetector::raise(InternalCause cause)
{
    removeLastCause();
    cautionData().addCause(cause);
    lastCause_ = cause;
    setState(DetectState::interrupt);
}

void DisplayIdCauseDetector::stateWillChange(DetectState newValue)
{
    switch (newValue) {
    case DetectState::none:
    case DetectState::normal:
        removeLastCause();
        break;
    case DetectState::interrupt:
        logStateChange(interruptLine_, origin_);
        break;
    case DetectState::suspension:
        break;
    }
}

void DisplayIdCauseDetector::removeLastCause()
{
    if (lastCause_)
        cautionData().removeCause(*lastCause_);
    lastCause_.reset();
}

} // namespace tolvane
