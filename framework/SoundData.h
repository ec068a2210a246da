#pragma once

#include "ISoundData.h"

namespace tolvane {

// Sound stays off until the application pushes the user's setting.
class SoundData final : public ISoundData {
public:
    SoundData() = default;

    float soundVolume() const override { return _soundVolume; }
    void setSoundVolume(float volume) override { _soundVolume = volume; }
    rx::CurrentValueSubject<bool>& soundEnable() override { return _soundEnable; }

private:
    float _soundVolume = 1.0f;
    rx::CurrentValueSubject<bool> _soundEnable{false};
};

} // namespace tolvane
