#pragma once

#include "Internal/Model/DetectAbnormal/BaseDetectAbnormal.h"

#include <optional>
#include <string_view>

namespace tolvane {

// Posts the cause a display id names and holds at most one such cause in the store: a new cause
// replaces the previous one, and `normal` or `none` withdraws it. It never enters `suspension`.
class DisplayIdCauseDetector : public BaseDetectAbnormal {
public:
    std::optional<InternalCause> lastCause() const { return lastCause_; }

protected:
    DisplayIdCauseDetector(std::shared_ptr<IInternalCautionData> cautionData, std::string_view interruptLine);

    void raise(InternalCause cause);

private:
    void stateWillChange(DetectState newValue) final;
    void removeLastCause();

    const std::string_view interruptLine_;
    std::optional<InternalCause> lastCause_;
};

} // namespace tolvane
