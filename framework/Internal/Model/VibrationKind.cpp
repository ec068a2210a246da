#include "Internal/Model/VibrationKind.h"

namespace tolvane {
namespace {

using haptics::HapticEvent;

std::vector<HapticEvent> operatingEvents()
{
    return {{.relativeTime = 0.0, .duration = 0.05, .intensity = 0.5f, .sharpness = 0.2f, .sustained = 1.0f}};
}

std::vector<HapticEvent> interruptionEvents()
{
    return {
        {.relativeTime = 0.0, .duration = 0.05, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
        {.relativeTime = 0.3, .duration = 0.05, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
    };
}

std::vector<HapticEvent> turnbackEvents()
{
    return {
        {.relativeTime = 0.0, .duration = 0.25, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
        {.relativeTime = 0.5, .duration = 0.25, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
        {.relativeTime = 1.0, .duration = 0.25, .intensity = 1.0f, .sharpness = 1.0f, .sustained = 1.0f},
    };
}

} // namespace

bool isRepeat(VibrationKind kind)
{
    return kind == VibrationKind::operating;
}

float period(VibrationKind kind)
{
    switch (kind) {
    case VibrationKind::operating: return 0.75f;
    case VibrationKind::interruption: return 0.35f;
    case VibrationKind::turnback: return 1.25f;
    }
    return 0.0f;
}

std::vector<HapticEvent> hapticEvents(VibrationKind kind)
{
    switch (kind) {
    case VibrationKind::operating: return operatingEvents();
    case VibrationKind::interruption: return interruptionEvents();
    case VibrationKind::turnback: return turnbackEvents();
    }
    return {};
}

} // namespace tolvane
