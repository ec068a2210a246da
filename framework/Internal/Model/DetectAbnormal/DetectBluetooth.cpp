#include "Internal/Model/DetectAbnormal/DetectBluetooth.h"

#include "foundation/FatalError.h"

#include <algorithm>

namespace tolvane {

DetectBluetooth::DetectBluetooth(std::shared_ptr<IInternalCautionData> cautionData,
                                 std::shared_ptr<const bt::IBluetoothPower> central)
    : HaltStopDetector(std::move(cautionData), {.halt = InternalCause::haltBtOff,
                                                .stop = InternalCause::stopBtOff,
                                                .interruptLine = "Occured Bluetooth OFF error [Interrupt].",
                                                .suspensionLine = "Occured Bluetooth OFF error [Suspension]."}),
      central_(std::move(central))
{
    if (!central_)
        foundation::fatalError("The Bluetooth detector needs the power state");
}

bool DetectBluetooth::isPause() const
{
    return state() != DetectState::none && pause_;
}

void DetectBluetooth::detect()
{
    if (state() == DetectState::none || pause_)
        return;
    if (isBluetoothOn())
        setState(DetectState::normal);
    else if (state() != DetectState::suspension)
        setState(DetectState::interrupt);
}

void DetectBluetooth::switchPause(bool pause)
{
    if (pause)
        pauseTimer();
    else
        restartTimer();
    pause_ = pause;
}

void DetectBluetooth::updateTimingFor(DetectState newValue)
{
    if (newValue == DetectState::interrupt)
        setTimer();
    else
        releaseTimer();
}

bool DetectBluetooth::isBluetoothOn() const
{
    return central_->state() == bt::PowerState::poweredOn;
}

void DetectBluetooth::setTimer()
{
    if (bluetoothOffTimeoutTimer_)
        return;
    bluetoothOffTimerStartDate_ = now();
    bluetoothOffTimeoutTimer_ =
        scheduleTimer(BLUETOOTH_OFF_CANCEL_TIMEOUT, [this] { setState(DetectState::suspension); });
}

void DetectBluetooth::releaseTimer()
{
    release(bluetoothOffTimeoutTimer_);
    bluetoothOffTimerStartDate_.reset();
    bluetoothOffTimerElapsed_.reset();
}

void DetectBluetooth::pauseTimer()
{
    // Only a running countdown pauses; pausing twice must not count the first pause as off time.
    if (state() != DetectState::interrupt || !bluetoothOffTimerStartDate_ || bluetoothOffTimerElapsed_)
        return;
    bluetoothOffTimerElapsed_ = now() - *bluetoothOffTimerStartDate_;
    if (bluetoothOffTimeoutTimer_)
        bluetoothOffTimeoutTimer_->invalidate();
}

void DetectBluetooth::restartTimer()
{
    if (state() != DetectState::interrupt || !bluetoothOffTimerElapsed_)
        return;
    const foundation::Seconds elapsed = *bluetoothOffTimerElapsed_;
    bluetoothOffTimeoutTimer_ = scheduleTimer(std::max(0.0, BLUETOOTH_OFF_CANCEL_TIMEOUT - elapsed),
                                              [this] { setState(DetectState::suspension); });
    // Moved forward by the time spent paused, so a later pause measures unpaused off time only.
    bluetoothOffTimerStartDate_ = now() - elapsed;
    bluetoothOffTimerElapsed_.reset();
}

} // namespace tolvane
