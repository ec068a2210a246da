#include "Class/Model/VibrationGenerator.h"

#include "foundation/RunLoop.h"

namespace tolvane::app {

VibrationGenerator::VibrationGenerator()
{
    generator.prepare();
}

void VibrationGenerator::vibrate()
{
    foundation::assertOnMainLoop("VibrationGenerator::vibrate");
    const foundation::Seconds now = foundation::RunLoop::main().clock().now();
    if (lastVibrateTime && now - *lastVibrateTime < MINIMUM_INTERVAL)
        return;
    lastVibrateTime = now;
    generator.notifySuccess();
}

} // namespace tolvane::app
