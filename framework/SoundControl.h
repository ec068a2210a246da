#pragma once

#include "ISoundControl.h"
#include "ISoundData.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "audio/IAudioPlayer.h"
#include "rx/Cancellable.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace tolvane {

// Plays the framework's sounds on the main loop, one player per sound key, and pauses every player
// whenever sound is switched off, the application is in the background, or a screen outside the
// framework or a popup is up. Audio failures make a call a silent no-op; the next call tries again.
class SoundControl final : public ISoundControl {
public:
    // A sound that competes by its priority number; fixed when the sound first plays.
    struct soundPriority {
        std::string audioName;
        int64_t priority = -1;
        std::shared_ptr<audio::IAudioPlayer> player;
    };

    SoundControl(std::shared_ptr<ISoundData> soundData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
                 std::shared_ptr<IInternalDisplayData> displayData);

    void wavPlay(const std::string& name, int64_t loop, int64_t priority) override;
    void exclusiveAudio(const std::string& name, int64_t loop) override;
    void stopAudio() override;

private:
    void playSound(const std::string& name, const std::string& type, int64_t numberOfLoops, int64_t priority);
    // The player of `key`, made (with the audio session set up) when there is none yet; null when
    // that fails.
    std::shared_ptr<audio::IAudioPlayer> playerFor(const std::string& key, const std::string& name,
                                                   const std::string& type);
    bool isMuted() const;

    const std::shared_ptr<ISoundData> soundData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    std::map<std::string, std::shared_ptr<audio::IAudioPlayer>> audioPlayer;
    std::optional<soundPriority> currentSound;
    std::map<std::string, soundPriority> priorityList;
    // Last, so the mute subscription ends before the players go.
    rx::CancellableSet cancellables;
};

} // namespace tolvane
