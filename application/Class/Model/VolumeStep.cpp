#include "Class/Model/VolumeStep.h"

#include <algorithm>
#include <cmath>

namespace tolvane::app {

int64_t volumeStep(float volume)
{
    // The steps follow float rounding on purpose: 3/7 gives 2, as the settings screen shows it.
    constexpr float step = 1.0f / 7.0f;
    float rest = std::isnan(volume) ? 0.0f : std::clamp(volume, 0.0f, 1.0f);
    int64_t count = 0;
    while (rest > step) {
        rest -= step;
        ++count;
    }
    return count;
}

} // namespace tolvane::app
