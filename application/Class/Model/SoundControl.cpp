#include "Class/Model/SoundControl.h"

#include "Class/Model/UserDefaultsValues.h"
#include "foundation/RunLoop.h"

namespace tolvane::app {

SoundControl& SoundControl::shared()
{
    static SoundControl control;
    return control;
}

void SoundControl::playSound(const std::string& name, const std::string& type, int64_t numberOfLoops, bool onSound,
                             int64_t priority)
{
    foundation::assertOnMainLoop("SoundControl::playSound");
    const auto sound = players.admit(name, type, numberOfLoops, priority);
    if (!sound)
        return;
    if (!onSound) {
        players.stop(*sound);
        return;
    }
    players.start(*sound, UserDefaultsValues::soundVolume(), numberOfLoops);
}

void SoundControl::pauseSound(const std::string& name, int64_t numberOfLoops)
{
    players.pauseAllExcept(audio::PrioritySoundPlayers::soundKey(name, numberOfLoops));
}

} // namespace tolvane::app
