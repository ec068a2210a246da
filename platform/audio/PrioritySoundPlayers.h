#pragma once

#include "audio/IAudioPlayer.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace audio {

// Short sounds from the program's data assets with one player per key (the asset's name followed by
// its loop count), made on first use and kept, and the sound started last. A sound with a priority
// number of 0 or more takes part in the priority rule against that last sound. Main thread only.
class PrioritySoundPlayers {
public:
    // A sound that competes by its priority number, fixed when the sound is first admitted.
    struct soundPriority {
        std::string audioName; // the sound's key
        int64_t priority = -1;
        std::shared_ptr<IAudioPlayer> player;
    };

    // A sound that may start: its key and its player.
    struct Admitted {
        std::string key;
        std::shared_ptr<IAudioPlayer> player;
    };

    static std::string soundKey(const std::string& name, int64_t numberOfLoops);

    // The player of the asset `name` (`type` hints at its format) played with `numberOfLoops`, made
    // with the audio session set up on first use. A `priority` of 0 or more enters the sound with
    // that priority on its first call; a later call turns it away, after pausing the last sound,
    // when that sound is still playing and ranks below the sound's entry (with no last sound there
    // is nothing to compete with). None when the sound is turned away or its player cannot be made;
    // the next call tries making it again.
    std::optional<Admitted> admit(const std::string& name, const std::string& type, int64_t numberOfLoops,
                                  int64_t priority);
    // Silences the last sound when it is another one, then plays the sound at `volume` and makes its
    // entry (none when it has none) the last sound.
    void start(const Admitted& sound, float volume, int64_t numberOfLoops);
    // Pauses the sound and forgets the last sound.
    void stop(const Admitted& sound);
    // Pauses every entered sound but the one of `key`.
    void pauseAllExcept(const std::string& key);
    void pauseAll();

private:
    std::shared_ptr<IAudioPlayer> playerFor(const std::string& key, const std::string& name, const std::string& type);
    bool admitByPriority(const std::string& key, int64_t priority, const std::shared_ptr<IAudioPlayer>& player);

    std::map<std::string, std::shared_ptr<IAudioPlayer>> audioPlayer_;
    std::optional<soundPriority> currentSound_;
    std::map<std::string, soundPriority> priorityList_;
};

} // namespace audio
