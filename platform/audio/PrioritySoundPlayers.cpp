#include "audio/PrioritySoundPlayers.h"

#include "audio/AudioSystem.h"
#include "foundation/DataAsset.h"

namespace audio {

std::string PrioritySoundPlayers::soundKey(const std::string& name, int64_t numberOfLoops)
{
    return name + std::to_string(numberOfLoops);
}

std::shared_ptr<IAudioPlayer> PrioritySoundPlayers::playerFor(const std::string& key, const std::string& name,
                                                              const std::string& type)
{
    if (const auto found = audioPlayer_.find(key); found != audioPlayer_.end())
        return found->second;
    const auto asset = foundation::dataAsset(name);
    if (!asset)
        return nullptr;
    const auto system = audioSystem();
    auto& session = system->sharedSession();
    if (!session.setCategoryPlayAndRecord() || !session.overrideOutputToSpeaker() || !session.activate())
        return nullptr;
    auto player = system->makePlayer(*asset, type);
    if (player)
        audioPlayer_.emplace(key, player);
    return player;
}

std::optional<PrioritySoundPlayers::Admitted> PrioritySoundPlayers::admit(const std::string& name,
                                                                           const std::string& type,
                                                                           int64_t numberOfLoops, int64_t priority)
{
    std::string key = soundKey(name, numberOfLoops);
    auto player = playerFor(key, name, type);
    if (!player)
        return std::nullopt;
    if (priority >= 0 && !admitByPriority(key, priority, player))
        return std::nullopt;
    return Admitted{.key = std::move(key), .player = std::move(player)};
}

bool PrioritySoundPlayers::admitByPriority(const std::string& key, int64_t priority,
                                           const std::shared_ptr<IAudioPlayer>& player)
{
    const auto entry = priorityList_.find(key);
    if (entry == priorityList_.end()) {
        priorityList_.emplace(key, soundPriority{.audioName = key, .priority = priority, .player = player});
        return true;
    }
    if (currentSound_ && currentSound_->priority < entry->second.priority && currentSound_->player
        && currentSound_->player->isPlaying()) {
        currentSound_->player->pause();
        return false;
    }
    return true;
}

void PrioritySoundPlayers::start(const Admitted& sound, float volume, int64_t numberOfLoops)
{
    const auto& [key, player] = sound;
    if (currentSound_ && currentSound_->audioName != key) {
        if (currentSound_->player)
            currentSound_->player->pause();
        currentSound_.reset();
    }
    player->setVolume(volume);
    player->setNumberOfLoops(numberOfLoops);
    player->prepareToPlay();
    player->play();
    if (const auto entry = priorityList_.find(key); entry != priorityList_.end())
        currentSound_ = entry->second;
    else
        currentSound_.reset();
}

void PrioritySoundPlayers::stop(const Admitted& sound)
{
    sound.player->pause();
    currentSound_.reset();
}

void PrioritySoundPlayers::pauseAllExcept(const std::string& key)
{
    for (const auto& [entryKey, entry] : priorityList_) {
        if (entryKey != key && entry.player)
            entry.player->pause();
    }
}

void PrioritySoundPlayers::pauseAll()
{
    for (const auto& [key, player] : audioPlayer_)
        player->pause();
}

} // namespace audio
