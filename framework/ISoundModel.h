#pragma once

#include <cstdint>
#include <optional>

namespace tolvane {

// The user's sound settings as the application pushes them; an absent value leaves its setting
// unchanged.
struct SoundSettingUpdate {
    std::optional<bool> sound = std::nullopt;
    // A step of the application's volume slider, 0 to ISoundModel::maxSoundVolume.
    std::optional<int64_t> volume = std::nullopt;
};

class ISoundModel {
public:
    virtual ~ISoundModel() = default;
    virtual void requestUpdateSoundSetting(const SoundSettingUpdate& update) = 0;
};

} // namespace tolvane
