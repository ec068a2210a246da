#pragma once

#include "audio/IAudioSystem.h"
#include "audio/QtAudioSession.h"

namespace audio {

// Sound through Qt's audio output. Plays WAV data only; other data, or data that is not a PCM WAV
// file, gets no player. Without an output device nothing is heard and the program carries on.
class QtAudioSystem final : public IAudioSystem {
public:
    IAudioSession& sharedSession() override { return session_; }
    std::shared_ptr<IAudioPlayer> makePlayer(const foundation::Bytes& data, std::string_view fileTypeHint) override;

private:
    QtAudioSession session_;
};

} // namespace audio
