#include "Internal/Model/VibrateControl.h"

#include "foundation/RunLoop.h"
#include "haptics/HapticsSystem.h"

namespace tolvane {
namespace {

// Starts the engine and plays the kind's pattern once, at once.
bool playPattern(haptics::IHapticEngine& engine, VibrationKind kind)
{
    if (!engine.start())
        return false;
    const auto pattern = haptics::HapticPattern::make(hapticEvents(kind));
    if (!pattern)
        return false;
    const auto player = engine.makePlayer(*pattern);
    return player && player->start(0.0);
}

} // namespace

VibrateControl::VibrateControl(std::shared_ptr<IInternalDisplayData> displayData,
                               std::shared_ptr<IInternalSdkStateData> sdkStateData)
    : displayData(std::move(displayData)), sdkStateData(std::move(sdkStateData))
{
}

void VibrateControl::startVibrate(VibrationKind kind)
{
    foundation::assertOnMainLoop("VibrateControl::startVibrate");
    if (sdkStateData->isBackground().value() || displayData->isDisplayOutsideSdkControl().value()
        || displayData->isDisplayPopup().value())
        return;
    if (isRepeat(kind))
        vibrateRepeat(kind);
    else
        vibrateOnlyOnce(kind);
}

void VibrateControl::stopVibrate()
{
    foundation::assertOnMainLoop("VibrateControl::stopVibrate");
    isRepeatPlaying = false;
    if (vibrationTimer) {
        vibrationTimer->invalidate();
        vibrationTimer = nullptr;
    }
}

void VibrateControl::vibrateOnlyOnce(VibrationKind kind)
{
    if (const auto engine = hapticEngine())
        (void)playPattern(*engine, kind);
}

void VibrateControl::vibrateRepeat(VibrationKind kind)
{
    if (isRepeatPlaying)
        return;
    const auto engine = hapticEngine();
    if (!engine)
        return;
    isRepeatPlaying = true;
    if (!playPattern(*engine, kind)) {
        isRepeatPlaying = false;
        return;
    }
    if (vibrationTimer)
        vibrationTimer->invalidate();
    std::weak_ptr<VibrateControl> weakSelf = weak_from_this();
    vibrationTimer = foundation::RunLoop::main().scheduleTimer(
        period(kind), true, [weakSelf, engine, kind](foundation::Timer& timer) {
            const auto self = weakSelf.lock();
            if (!self) {
                timer.invalidate();
                return;
            }
            if (!playPattern(*engine, kind)) {
                self->isRepeatPlaying = false;
                timer.invalidate();
            }
        });
}

std::shared_ptr<haptics::IHapticEngine> VibrateControl::hapticEngine()
{
    if (!_hapticEngine) {
        const auto system = haptics::hapticsSystem();
        _hapticEngine = system->capabilitiesForHardware().supportsHaptics ? system->makeEngine() : nullptr;
    }
    return *_hapticEngine;
}

} // namespace tolvane
