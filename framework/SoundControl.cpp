#include "SoundControl.h"

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
    players.pauseAllExcept(audio::PrioritySoundPlayers::soundKey(name, loop));
}

void SoundControl::stopAudio()
{
    players.pauseAll();
}

void SoundControl::playSound(const std::string& name, const std::string& type, int64_t numberOfLoops, int64_t priority)
{
    // A lower-ranked sound that is playing is silenced first; the next call plays this one.
    if (const auto sound = players.admit(name, type, numberOfLoops, priority))
        players.start(*sound, soundData->soundVolume(), numberOfLoops);
}

} // namespace tolvane
