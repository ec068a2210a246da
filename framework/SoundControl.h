#pragma once

#include "ISoundControl.h"
#include "ISoundData.h"
#include "Internal/Model/IInternalDisplayData.h"
#include "Internal/Model/IInternalSdkStateData.h"
#include "audio/PrioritySoundPlayers.h"
#include "rx/Cancellable.h"

#include <memory>
#include <string>

namespace tolvane {

// Plays the framework's sounds on the main loop, one player per sound key, and pauses every player
// whenever sound is switched off, the application is in the background, or a screen outside the
// framework or a popup is up. Audio failures make a call a silent no-op; the next call tries again.
class SoundControl final : public ISoundControl {
public:
    SoundControl(std::shared_ptr<ISoundData> soundData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
                 std::shared_ptr<IInternalDisplayData> displayData);

    void wavPlay(const std::string& name, int64_t loop, int64_t priority) override;
    void exclusiveAudio(const std::string& name, int64_t loop) override;
    void stopAudio() override;

private:
    void playSound(const std::string& name, const std::string& type, int64_t numberOfLoops, int64_t priority);
    bool isMuted() const;

    const std::shared_ptr<ISoundData> soundData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    audio::PrioritySoundPlayers players;
    // Last, so the mute subscription ends before the players go.
    rx::CancellableSet cancellables;
};

} // namespace tolvane
