#include "SoundControl.h"

#include "audio/AudioSystem.h"
#include "foundation/DataAsset.h"
#include "foundation/RunLoop.h"

#include <tuple>

namespace tolvane {
namespace {

using MuteConditions = std::tuple<bool, bool, bool, bool>;

bool mutes(const MuteConditions& conditions)
{
    const auto& [soundEnabled, background, outsideScreen, popup] = conditions;
    return !soundEnabled || background || outsideScreen || popup;
}

// Each loop count is a sound of its own: "-1" follows the name of a sound that repeats until paused.
std::string soundKey(const std::string& name, int64_t loop)
{
    return name + std::to_string(loop);
}

} // namespace

SoundControl::SoundControl(std::shared_ptr<ISoundData> soundData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
                           std::shared_ptr<IInternalDisplayData> displayData)
    : soundData(std::move(soundData)), sdkStateData(std::move(sdkStateData)), displayData(std::move(displayData))
{
    cancellables.insert(rx::combineLatest(this->soundData->soundEnable().publisher(),
                                          this->sdkStateData->isBackground().publisher(),
                                          this->displayData->isDisplayOutsideSdkControl().publisher(),
                                          this->displayData->isDisplayPopup().publisher())
                            .map(mutes)
                            .sink([this](bool mute) {
                                if (mute)
                                    stopAudio();
                            }));
}

bool SoundControl::isMuted() const
{
    return mutes({soundData->soundEnable().value(), sdkStateData->isBackground().value(),
                  displayData->isDisplayOutsideSdkControl().value(), displayData->isDisplayPopup().value()});
}

void SoundControl::wavPlay(const std::string& name, int64_t loop, int64_t priority)
{
    foundation::assertOnMainLoop("SoundControl::wavPlay");
    if (!isMuted())
        playSound(name, "wav", loop, priority);
}

void SoundControl::exclusiveAudio(const std::string& name, int64_t loop)
{
    const std::string key = soundKey(name, loop);
    for (const auto& [entryKey, entry] : priorityList) {
        if (entry.audioName != key && entry.player)
            entry.player->pause();
    }
}

void SoundControl::stopAudio()
{
    for (const auto& [key, player] : audioPlayer)
        player->pause();
}

std::shared_ptr<audio::IAudioPlayer> SoundControl::playerFor(const std::string& key, const std::string& name,
                                                             const std::string& type)
{
    if (const auto found = audioPlayer.find(key); found != audioPlayer.end())
        return found->second;
    const auto asset = foundation::dataAsset(name);
    if (!asset)
        return nullptr;
    const auto system = audio::audioSystem();
    auto& session = system->sharedSession();
    if (!session.setCategoryPlayAndRecord() || !session.overrideOutputToSpeaker() || !session.activate())
        return nullptr;
    auto player = system->makePlayer(*asset, type);
    if (player)
        audioPlayer.emplace(key, player);
    return player;
}

void SoundControl::playSound(const std::string& name, const std::string& type, int64_t numberOfLoops, int64_t priority)
{
    const std::string key = soundKey(name, numberOfLoops);
    const auto player = playerFor(key, name, type);
    if (!player)
        return;

    bool shouldPlay = true;
    if (priority >= 0) {
        const auto entry = priorityList.find(key);
        if (entry == priorityList.end()) {
            priorityList.emplace(key, soundPriority{.audioName = key, .priority = priority, .player = player});
        } else if (currentSound && currentSound->priority < entry->second.priority && currentSound->player
                   && currentSound->player->isPlaying()) {
            // A lower-ranked sound that is playing is silenced first; the next call plays this one.
            // With no current sound there is nothing to compete with.
            currentSound->player->pause();
            shouldPlay = false;
        }
    }
    if (!shouldPlay)
        return;

    if (currentSound && currentSound->audioName != key) {
        if (currentSound->player)
            currentSound->player->pause();
        currentSound.reset();
    }
    player->setVolume(soundData->soundVolume());
    player->setNumberOfLoops(numberOfLoops);
    player->prepareToPlay();
    player->play();
    if (const auto entry = priorityList.find(key); entry != priorityList.end())
        currentSound = entry->second;
    else
        currentSound.reset();
}

} // namespace tolvane
