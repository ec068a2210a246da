#pragma once

#include "ISoundData.h"
#include "ISoundModel.h"

#include <memory>

namespace tolvane {

// Puts the user's sound settings into the sound data the sound control plays by.
class SoundModel final : public ISoundModel {
public:
    // The number of steps of the application's volume slider.
    static constexpr int64_t maxSoundVolume = 7;

    explicit SoundModel(std::shared_ptr<ISoundData> soundData);

    // The switch is sent before the volume is set; a step outside 0...7 counts as the nearest end.
    void requestUpdateSoundSetting(const SoundSettingUpdate& update) override;

private:
    const std::shared_ptr<ISoundData> soundData;
};

} // namespace tolvane
