#include "SoundModel.h"

#include <algorithm>

namespace tolvane {

SoundModel::SoundModel(std::shared_ptr<ISoundData> soundData) : soundData(std::move(soundData)) {}

void SoundModel::requestUpdateSoundSetting(const SoundSettingUpdate& update)
{
    if (update.sound)
        soundData->soundEnable().send(*update.sound);
    if (update.volume) {
        const int64_t step = std::clamp<int64_t>(*update.volume, 0, maxSoundVolume);
        soundData->setSoundVolume(static_cast<float>(step) / static_cast<float>(maxSoundVolume));
    }
}

} // namespace tolvane
