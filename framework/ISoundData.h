#pragma once

#include "rx/Subject.h"

namespace tolvane {

// The user's sound settings.
class ISoundData {
public:
    virtual ~ISoundData() = default;
    // Playback volume, 0.0 to 1.0.
    virtual float soundVolume() const = 0;
    virtual void setSoundVolume(float volume) = 0;
    // Whether the user switched sound on; callers read it and send new values into it.
    virtual rx::CurrentValueSubject<bool>& soundEnable() = 0;
};

} // namespace tolvane
