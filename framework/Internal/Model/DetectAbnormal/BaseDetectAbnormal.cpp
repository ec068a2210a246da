#include "Internal/Model/DetectAbnormal/BaseDetectAbnormal.h"

#include "Logger.h"
#include "foundation/FatalError.h"
#include "foundation/RunLoop.h"

namespace tolvane {

BaseDetectAbnormal::BaseDetectAbnormal(std::shared_ptr<IInternalCautionData> cautionData)
    : cautionData_(std::move(cautionData))
{
    if (!cautionData_)
        foundation::fatalError("A detector needs the cause store");
}

void BaseDetectAbnormal::startDetect()
{
    loopChecker_.check(typeid(*this));
    if (state_ == DetectState::none)
        setState(DetectState::normal);
}

void BaseDetectAbnormal::stopDetect()
{
    loopChecker_.check(typeid(*this));
    setState(DetectState::none);
}

bool BaseDetectAbnormal::isInterrupt() const
{
    return state_ == DetectState::interrupt || state_ == DetectState::suspension;
}

void BaseDetectAbnormal::setState(DetectState newValue)
{
    loopChecker_.check(typeid(*this));
    stateWillChange(newValue);
    state_ = newValue;
}

foundation::TimerRef BaseDetectAbnormal::scheduleTimer(foundation::Seconds interval, std::function<void()> action)
{
    std::weak_ptr<BaseDetectAbnormal> weakSelf = weak_from_this();
    if (weakSelf.expired())
        foundation::fatalError("A detector with timers must be owned by a shared_ptr");
    return foundation::RunLoop::main().scheduleTimer(interval, false,
                                                     [weakSelf, action = std::move(action)](foundation::Timer& timer) {
                                                         timer.invalidate();
                                                         if (auto self = weakSelf.lock())
                                                             action();
                                                     });
}

void BaseDetectAbnormal::release(foundation::TimerRef& timer)
{
    if (timer)
        timer->invalidate();
    timer.reset();
}

foundation::Seconds BaseDetectAbnormal::now()
{
    return foundation::RunLoop::main().clock().now();
}

void BaseDetectAbnormal::logStateChange(std::string_view message, std::source_location origin)
{
    log(LogLevel::info, message, "state", origin);
}

} // namespace tolvane
