#pragma once

#include "audio/AudioSystem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A player that records what it was asked and plays nothing.
class RecordingAudioPlayer final : public audio::IAudioPlayer {
public:
    RecordingAudioPlayer(foundation::Bytes data, std::string fileTypeHint)
        : data(std::move(data)), fileTypeHint(std::move(fileTypeHint))
    {
    }

    float volume() const override { return volume_; }
    void setVolume(float volume) override { volume_ = volume; }
    int64_t numberOfLoops() const override { return numberOfLoops_; }
    void setNumberOfLoops(int64_t loops) override { numberOfLoops_ = loops; }
    bool prepareToPlay() override
    {
        ++prepareCount;
        return true;
    }
    bool play() override
    {
        ++playCount;
        playing = true;
        return true;
    }
    void pause() override
    {
        ++pauseCount;
        playing = false;
    }
    bool isPlaying() const override { return playing; }

    const foundation::Bytes data;
    const std::string fileTypeHint;
    bool playing = false;
    int prepareCount = 0;
    int playCount = 0;
    int pauseCount = 0;

private:
    float volume_ = 1.0f;
    int64_t numberOfLoops_ = 0;
};

// An audio system that records the session steps and the players it made; any step can be made to
// fail.
class RecordingAudioSystem final : public audio::IAudioSystem, public audio::IAudioSession {
public:
    enum class Step { category, speakerOverride, activation, playerCreation };

    audio::IAudioSession& sharedSession() override { return *this; }
    std::shared_ptr<audio::IAudioPlayer> makePlayer(const foundation::Bytes& data, std::string_view fileTypeHint) override
    {
        if (failingStep == Step::playerCreation)
            return nullptr;
        auto player = std::make_shared<RecordingAudioPlayer>(data, std::string(fileTypeHint));
        players.push_back(player);
        return player;
    }

    bool setCategoryPlayAndRecord() override { return record("category playAndRecord", Step::category); }
    bool overrideOutputToSpeaker() override { return record("override speaker", Step::speakerOverride); }
    bool activate() override { return record("activate", Step::activation); }

    std::optional<Step> failingStep;
    std::vector<std::string> sessionCalls;
    std::vector<std::shared_ptr<RecordingAudioPlayer>> players;

private:
    bool record(const char* call, Step step)
    {
        sessionCalls.emplace_back(call);
        return failingStep != step;
    }
};

// Installs a recording audio system for its lifetime, then puts back the one before.
class ScopedRecordingAudioSystem {
public:
    ScopedRecordingAudioSystem()
        : system_(std::make_shared<RecordingAudioSystem>()), previous_(audio::setAudioSystem(system_))
    {
    }
    ~ScopedRecordingAudioSystem() { audio::setAudioSystem(previous_); }
    RecordingAudioSystem& operator*() const { return *system_; }
    RecordingAudioSystem* operator->() const { return system_.get(); }

private:
    std::shared_ptr<RecordingAudioSystem> system_;
    std::shared_ptr<audio::IAudioSystem> previous_;
};

} // namespace testing_support
