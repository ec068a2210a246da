#include "haptics/NotificationFeedbackGenerator.h"

#include "haptics/HapticsSystem.h"

namespace haptics {

const HapticPattern& NotificationFeedbackGenerator::successPattern()
{
    static const HapticPattern pattern = *HapticPattern::make({
        {.relativeTime = 0.0, .duration = 0.03, .intensity = 0.7f, .sharpness = 0.5f, .sustained = 0.0f},
        {.relativeTime = 0.1, .duration = 0.04, .intensity = 1.0f, .sharpness = 0.5f, .sustained = 0.0f},
    });
    return pattern;
}

void NotificationFeedbackGenerator::prepare()
{
    if (!engine_)
        engine_ = hapticsSystem()->makeEngine();
    if (engine_ && !engine_->start())
        engine_.reset();
}

void NotificationFeedbackGenerator::notifySuccess()
{
    prepare();
    if (!engine_)
        return;
    if (auto player = engine_->makePlayer(successPattern()))
        (void)player->start(0.0);
}

} // namespace haptics
