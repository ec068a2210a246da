#pragma once

#include "audio/PrioritySoundPlayers.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tolvane::app {

// The application's own player of short sounds from its data assets; the settings screen plays its
// volume preview "CS_Sound" with it. The sounds of the parking operation are the framework's. Plays
// at the stored volume setting; the sound on/off setting is left to the caller. Main thread only.
class SoundControl {
public:
    using soundPriority = audio::PrioritySoundPlayers::soundPriority;

    static SoundControl& shared();

    // `numberOfLoops` 0 plays once; `onSound` false pauses the sound; a negative `priority` takes no
    // part in the priority rule.
    void playSound(const std::string& name, const std::string& type, int64_t numberOfLoops, bool onSound,
                   int64_t priority);
    // Pauses every sound with a priority but the one `name` and `numberOfLoops` make.
    void pauseSound(const std::string& name, int64_t numberOfLoops);

private:
    audio::PrioritySoundPlayers players;
};

} // namespace tolvane::app
