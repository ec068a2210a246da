#pragma once

#include "audio/IAudioPlayer.h"
#include "audio/WavData.h"

#include <memory>

class QAudioSink;

namespace audio {

class PcmLoopSource;

// Plays a WAV sound through Qt's audio output, which needs no media framework beneath it. Lives on
// the thread of the application's event loop.
class QtAudioPlayer final : public IAudioPlayer {
public:
    explicit QtAudioPlayer(WavData wav);
    ~QtAudioPlayer() override;

    float volume() const override { return volume_; }
    void setVolume(float volume) override;
    int64_t numberOfLoops() const override { return numberOfLoops_; }
    void setNumberOfLoops(int64_t loops) override { numberOfLoops_ = loops; }

    // Opens the default output; false when there is none.
    bool prepareToPlay() override;
    bool play() override;
    void pause() override;
    bool isPlaying() const override;

private:
    // The format only: the samples live in the source.
    const WavData wavFormat_;
    std::unique_ptr<PcmLoopSource> source_;
    std::unique_ptr<QAudioSink> sink_;
    float volume_ = 1.0f;
    int64_t numberOfLoops_ = 0;
};

} // namespace audio
