#pragma once

#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "Internal/Model/IVibrateControl.h"
#include "foundation/Timer.h"
#include "haptics/IHapticEngine.h"

#include <memory>
#include <optional>

namespace tolvane {

// Plays the vibration patterns on the device's haptic engine, on the main loop. Nothing starts in the
// background or while a screen outside the framework or a popup is up; a running repetition goes on
// until stopVibrate(). Haptics failures are dropped without a message and end a repetition.
class VibrateControl final : public IVibrateControl, public std::enable_shared_from_this<VibrateControl> {
public:
    VibrateControl(std::shared_ptr<IInternalDisplayData> displayData, std::shared_ptr<IInternalSdkStateData> sdkStateData);

    void startVibrate(VibrationKind kind) override;
    void stopVibrate() override;

private:
    void vibrateOnlyOnce(VibrationKind kind);
    void vibrateRepeat(VibrationKind kind);
    // Made on first use and kept, also when the device has no haptics or making it failed.
    std::shared_ptr<haptics::IHapticEngine> hapticEngine();

    const std::shared_ptr<IInternalDisplayData> displayData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    foundation::TimerRef vibrationTimer;
    bool isRepeatPlaying = false;
    std::optional<std::shared_ptr<haptics::IHapticEngine>> _hapticEngine;
};

} // namespace tolvane
