#pragma once

#include "Internal/Model/DetectAbnormal/DetectState.h"
#include "Internal/Model/DetectAbnormal/IBaseDetectAbnormal.h"
#include "Internal/Model/IInternalCautionData.h"
#include "foundation/LoopChecker.h"
#include "foundation/Timer.h"

#include <functional>
#include <memory>
#include <source_location>
#include <string_view>

namespace tolvane {

// The state machine every detector shares. Each write of the state first runs the detector's
// observer with the new value, also when the value is already held, and then stores it; the
// observer posts and withdraws the detector's causes. Detectors live on the main thread and must be
// owned by a shared_ptr, since their timers hold them weakly.
class BaseDetectAbnormal : public virtual IBaseDetectAbnormal, public std::enable_shared_from_this<BaseDetectAbnormal> {
public:
    BaseDetectAbnormal(const BaseDetectAbnormal&) = delete;
    BaseDetectAbnormal& operator=(const BaseDetectAbnormal&) = delete;

    void startDetect() override;
    void stopDetect() override;
    bool isInterrupt() const override;

    DetectState state() const { return state_; }

protected:
    explicit BaseDetectAbnormal(std::shared_ptr<IInternalCautionData> cautionData);

    void setState(DetectState newValue);
    virtual void stateWillChange(DetectState newValue) = 0;

    IInternalCautionData& cautionData() const { return *cautionData_; }

    // A one-shot timer on the main run loop. `action` runs only while this detector still exists.
    foundation::TimerRef scheduleTimer(foundation::Seconds interval, std::function<void()> action);
    // Invalidates the timer, if any, and forgets it.
    static void release(foundation::TimerRef& timer);
    // Now on the main loop's clock, which keeps counting while the machine sleeps.
    static foundation::Seconds now();
    // One line per state change, in the form the support staff search for.
    // `origin` names the detector in the line, so a field log points at the one that fired.
    static void logStateChange(std::string_view message, std::source_location origin = std::source_location::current());

private:
    foundation::LoopChecker loopChecker_;
    DetectState state_ = DetectState::none;
    const std::shared_ptr<IInternalCautionData> cautionData_;
};

} // namespace tolvane
