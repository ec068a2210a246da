#pragma once

#include "Internal/Model/DetectAbnormal/HaltStopDetector.h"

namespace tolvane {

// Falls to `interrupt` when no record of its kind came for 3.0 s and to `suspension` 30.0 s later;
// any record brings it back to `normal` with a fresh 3.0 s.
class CommunicationWatchdog : public HaltStopDetector {
public:
    static constexpr foundation::Seconds INTERRUPT_TIMEOUT = 3.0;
    static constexpr foundation::Seconds SUSPENSION_TIMEOUT = 30.0;

protected:
    using HaltStopDetector::HaltStopDetector;

    void watch(bool recordPresent);
    // While paused, records are ignored and no timer runs.
    void switchWatchPause(bool pause);

private:
    void updateTimingFor(DetectState newValue) override;

    void startInterruptTimer();
    void resetInterruptTimer();
    void releaseTimer();
    void setSuspensionTimer();

    foundation::TimerRef interruptTimer_;
    foundation::TimerRef suspensionTimer_;
    bool pause_ = false;
};

} // namespace tolvane
