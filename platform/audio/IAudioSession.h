#pragma once

namespace audio {

// The application's share of the device's audio. Each step reports whether it succeeded.
class IAudioSession {
public:
    virtual ~IAudioSession() = default;
    // Playback and recording together.
    [[nodiscard]] virtual bool setCategoryPlayAndRecord() = 0;
    // Sends the output to the loudspeaker rather than the receiver.
    [[nodiscard]] virtual bool overrideOutputToSpeaker() = 0;
    [[nodiscard]] virtual bool activate() = 0;
};

} // namespace audio
