#pragma once

#include "Internal/Model/DetectAbnormal/BaseDetectAbnormal.h"

#include <source_location>

namespace tolvane {

// The causes a halt-and-stop detector posts, and the lines it logs on entering each abnormal state.
struct HaltStopCauses {
    InternalCause halt;
    InternalCause stop;
    std::string_view interruptLine;
    std::string_view suspensionLine;
    // Where the detector names its causes: its log lines carry this position.
    std::source_location origin = std::source_location::current();
};

// A detector whose `interrupt` posts a halt cause and whose `suspension` posts the matching stop
// cause: back in `normal` it withdraws both (the store keeps a posted stop cause until reset).
class HaltStopDetector : public BaseDetectAbnormal {
protected:
    HaltStopDetector(std::shared_ptr<IInternalCautionData> cautionData, HaltStopCauses causes);

    // The detector's own timers and dates for the new state, set before the causes change.
    virtual void updateTimingFor(DetectState newValue) = 0;

private:
    void stateWillChange(DetectState newValue) final;

    const HaltStopCauses causes_;
};

} // namespace tolvane
