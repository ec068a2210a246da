#pragma once

#include "Internal/Model/DetectAbnormal/BaseDetectAbnormal.h"

#include <optional>
#include <source_location>
#include <string_view>

namespace tolvane {

// Posts the cause a display id names and holds at most one such cause in the store: a new cause
// replaces the previous one, and `normal` or `none` withdraws it. It never enters `suspension`.
class DisplayIdCauseDetector : public BaseDetectAbnormal {
public:
    std::optional<InternalCause> lastCause() const { return lastCause_; }

protected:
    // `origin`, the derived detector's constructor, is the position its log line names.
    DisplayIdCauseDetector(std::shared_ptr<IInternalCautionData> cautionData, std::string_view interruptLine,
                           std::source_location origin = std::source_location::current());

    void raise(InternalCause cause);

private:
    void stateWillChange(DetectState newValue) final;
    void removeLastCause();

    const std::string_view interruptLine_;
    const std::source_location origin_;
    std::optional<InternalCause> lastCause_;
};

} // namespace tolvane
