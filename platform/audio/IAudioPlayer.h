#pragma once

#include <cstdint>

namespace audio {

// Plays one sound. Playing a paused player resumes it where it was paused.
class IAudioPlayer {
public:
    virtual ~IAudioPlayer() = default;

    // 0.0 to 1.0.
    virtual float volume() const = 0;
    virtual void setVolume(float volume) = 0;
    // How many times the sound repeats after it has played once; a negative number repeats it until
    // the player is paused.
    virtual int64_t numberOfLoops() const = 0;
    virtual void setNumberOfLoops(int64_t loops) = 0;

    // Loads what playing needs; false when the sound cannot be played.
    virtual bool prepareToPlay() = 0;
    virtual bool play() = 0;
    virtual void pause() = 0;
    virtual bool isPlaying() const = 0;
};

} // namespace audio
