#pragma once

#include "Internal/Model/DetectAbnormal/HaltStopDetector.h"

#include <cstdint>

namespace tolvane {

// Counts the vehicle unit's error reports: halts from the third counted report on, and stops when
// 180.0 s passed after the halt without the count going back below three.
class DcuErrorCounter : public HaltStopDetector {
public:
    static constexpr int64_t INTERRUPT_COUNT_MAX = 3;
    static constexpr foundation::Seconds SUSPENSION_TIMEOUT = 180.0;

    // Survives stopping and starting the detector.
    int64_t interruptCount() const { return interruptCount_; }

protected:
    using HaltStopDetector::HaltStopDetector;

    enum class Count { increment, reset, keep };
    // Writes the state on every report, so each one from the third on writes `interrupt` again.
    void count(Count change);

private:
    void updateTimingFor(DetectState newValue) override;

    void setSuspensionTimer();

    int64_t interruptCount_ = 0;
    // Kept after it fired, so a return to `interrupt` from `suspension` schedules no second timer.
    foundation::TimerRef suspensionTimer_;
};

} // namespace tolvane
