#pragma once

#include "Internal/Model/DetectAbnormal/HaltStopDetector.h"
#include "Internal/Model/DetectAbnormal/IDetectBluetooth.h"
#include "bluetooth/IBluetoothPower.h"

#include <optional>

namespace tolvane {

// Halts as soon as a check finds the phone's Bluetooth off, and stops after 30.0 s of off time;
// time spent paused (the application in the background) does not count.
class DetectBluetooth final : public HaltStopDetector, public IDetectBluetooth {
public:
    static constexpr foundation::Seconds BLUETOOTH_OFF_CANCEL_TIMEOUT = 30.0;

    DetectBluetooth(std::shared_ptr<IInternalCautionData> cautionData, std::shared_ptr<const bt::IBluetoothPower> central);

    bool isPause() const override;
    void detect() override;
    void switchPause(bool pause) override;

private:
    void updateTimingFor(DetectState newValue) override;

    bool isBluetoothOn() const;
    void setTimer();
    void releaseTimer();
    void restartTimer();
    void pauseTimer();

    const std::shared_ptr<const bt::IBluetoothPower> central_;
    // The countdown's bookkeeping exists only while a countdown runs or is paused: a date left over
    // from an earlier off period must never start a countdown later.
    std::optional<foundation::Seconds> bluetoothOffTimerStartDate_;
    std::optional<foundation::Seconds> bluetoothOffTimerElapsed_;
    foundation::TimerRef bluetoothOffTimeoutTimer_;
    bool pause_ = false;
};

} // namespace tolvane
