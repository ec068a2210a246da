#include "Internal/Model/DetectAbnormal/DcuErrorCounter.h"

namespace tolvane {

void DcuErrorCounter::count(Count change)
{
    if (change == Count::increment)
        ++interruptCount_;
    else if (change == Count::reset)
        interruptCount_ = 0;
    setState(interruptCount_ < INTERRUPT_COUNT_MAX ? DetectState::normal : DetectState::interrupt);
}

void DcuErrorCounter::updateTimingFor(DetectState newValue)
{
    switch (newValue) {
    case DetectState::none:
    case DetectState::normal:
        release(suspensionTimer_);
        break;
    case DetectState::interrupt:
        setSuspensionTimer();
        break;
    case DetectState::suspension:
        break;
    }
}

void DcuErrorCounter::setSuspensionTimer()
{
    if (!suspensionTimer_)
        suspensionTimer_ = scheduleTimer(SUSPENSION_TIMEOUT, [this] { setState(DetectState::suspension); });
}

} // namespace tolvane
