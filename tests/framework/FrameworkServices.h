#pragma once

#include "bluetooth/BluetoothPower.h"
#include "bluetooth/SettableBluetoothPower.h"
#include "di/Container.h"
#include "foundation/VirtualTime.h"
#include "support/CapturingSystemLog.h"
#include "support/RecordingAudioSystem.h"
#include "support/RecordingHapticsSystem.h"

#include <memory>

namespace testing_support {

// The framework as the application creates it, in the process-wide container, on virtual time, with
// Bluetooth on and recording audio and haptics. The container starts and ends empty.
struct FrameworkServices {
    FrameworkServices()
    {
        di::Container::defaultContainer().removeAll();
        time.mainLoop();
    }
    ~FrameworkServices()
    {
        di::Container::defaultContainer().removeAll();
        bt::setBluetoothPower(previousPower);
    }

    foundation::VirtualTime time;
    ScopedSystemLogCapture log;
    ScopedRecordingAudioSystem audio;
    ScopedRecordingHapticsSystem haptics;
    std::shared_ptr<bt::SettableBluetoothPower> bluetoothPower =
        std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOn);
    std::shared_ptr<bt::IBluetoothPower> previousPower = bt::setBluetoothPower(bluetoothPower);
};

} // namespace testing_support
