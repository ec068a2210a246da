#include "Internal/Model/DetectAbnormal/CommunicationWatchdog.h"

namespace tolvane {

void CommunicationWatchdog::watch(bool recordPresent)
{
    if (state() == DetectState::none || pause_ || !recordPresent)
        return;
    resetInterruptTimer();
    setState(DetectState::normal);
}

void CommunicationWatchdog::switchWatchPause(bool pause)
{
    const bool running = state() == DetectState::normal || state() == DetectState::interrupt;
    if (!running || pause == pause_)
        return;
    if (pause)
        releaseTimer();
    else if (state() == DetectState::normal)
        startInterruptTimer();
    else
        setSuspensionTimer();
    pause_ = pause;
}

void CommunicationWatchdog::updateTimingFor(DetectState newValue)
{
    switch (newValue) {
    case DetectState::none:
    case DetectState::suspension:
        releaseTimer();
        break;
    case DetectState::normal:
        // Also when started while paused: the watchdog then runs out although it ignores records.
        startInterruptTimer();
        break;
    case DetectState::interrupt:
        setSuspensionTimer();
        break;
    }
}

void CommunicationWatchdog::startInterruptTimer()
{
    if (!interruptTimer_)
        interruptTimer_ = scheduleTimer(INTERRUPT_TIMEOUT, [this] { setState(DetectState::interrupt); });
}

void CommunicationWatchdog::resetInterruptTimer()
{
    if (state() != DetectState::normal && state() != DetectState::interrupt)
        return;
    releaseTimer();
    interruptTimer_ = scheduleTimer(INTERRUPT_TIMEOUT, [this] { setState(DetectState::interrupt); });
}

void CommunicationWatchdog::releaseTimer()
{
    release(interruptTimer_);
    release(suspensionTimer_);
}

void CommunicationWatchdog::setSuspensionTimer()
{
    if (!suspensionTimer_)
        suspensionTimer_ = scheduleTimer(SUSPENSION_TIMEOUT, [this] { setState(DetectState::suspension); });
}

} // namespace tolvane
