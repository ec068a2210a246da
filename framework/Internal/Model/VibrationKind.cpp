#include "Internal/Model/VibrationKind.h"

namespace tolvane {

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

} // namespace tolvane
