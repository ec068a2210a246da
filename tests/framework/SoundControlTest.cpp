#include "Internal/Model/DisplayData.h"
#include "Internal/Model/SdkStateData.h"
#include "SoundControl.h"
#include "SoundData.h"
#include "audio/WavData.h"
#include "foundation/DataAsset.h"
#include "support/RecordingAudioSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tolvane;
using testing_support::RecordingAudioSystem;

const std::string warning = "orvamel_warning_sound";

class SoundControlTest : public ::testing::Test {
protected:
    // Loop counts that make three sounds of the one asset.
    static constexpr int64_t looping = -1;
    static constexpr int64_t once = 0;
    static constexpr int64_t twice = 1;

    void switchSoundOn() { soundData->soundEnable().send(true); }
    testing_support::RecordingAudioPlayer& player(size_t index) { return *audio->players.at(index); }
    std::vector<bool> playing() const
    {
        std::vector<bool> result;
        for (const auto& player : audio->players)
            result.push_back(player->isPlaying());
        return result;
    }

    testing_support::ScopedRecordingAudioSystem audio;
    std::shared_ptr<SoundData> soundData = std::make_shared<SoundData>();
    std::shared_ptr<SdkStateData> sdkStateData = std::make_shared<SdkStateData>();
    std::shared_ptr<DisplayData> displayData = std::make_shared<DisplayData>();
    SoundControl control{soundData, sdkStateData, displayData};
};

TEST_F(SoundControlTest, TheWarningSoundIsACompiledInWavAsset)
{
    const auto asset = foundation::dataAsset(warning);
    ASSERT_TRUE(asset.has_value());
    const auto wav = audio::WavData::parse(*asset);
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->channelCount, 1);
    EXPECT_FALSE(wav->samples.empty());
    EXPECT_FALSE(foundation::dataAsset("no_such_sound").has_value());
}

TEST_F(SoundControlTest, NothingPlaysBeforeTheApplicationSwitchesSoundOn)
{
    control.wavPlay(warning, looping, 5);
    EXPECT_TRUE(audio->players.empty());
    EXPECT_TRUE(audio->sessionCalls.empty());
}

TEST_F(SoundControlTest, FirstPlaySetsUpTheSessionAndPlaysTheAssetAtTheSetVolume)
{
    switchSoundOn();
    soundData->setSoundVolume(3.0f / 7.0f);

    control.wavPlay(warning, looping, 5);

    EXPECT_EQ(audio->sessionCalls, (std::vector<std::string>{"category playAndRecord", "override speaker", "activate"}));
    ASSERT_EQ(audio->players.size(), 1u);
    EXPECT_EQ(player(0).data, foundation::dataAsset(warning));
    EXPECT_EQ(player(0).fileTypeHint, "wav");
    EXPECT_EQ(player(0).volume(), 3.0f / 7.0f);
    EXPECT_EQ(player(0).numberOfLoops(), -1);
    EXPECT_EQ(player(0).prepareCount, 1);
    EXPECT_TRUE(player(0).isPlaying());
}

TEST_F(SoundControlTest, LaterPlaysKeepThePlayerAndApplyTheVolumeOfTheirTime)
{
    switchSoundOn();
    control.wavPlay(warning, looping, 5);
    control.stopAudio();
    soundData->setSoundVolume(0.5f);
    control.wavPlay(warning, looping, 4);

    EXPECT_EQ(audio->sessionCalls.size(), 3u);
    ASSERT_EQ(audio->players.size(), 1u);
    EXPECT_EQ(player(0).playCount, 2);
    EXPECT_EQ(player(0).volume(), 0.5f);
    EXPECT_TRUE(player(0).isPlaying());
}

TEST_F(SoundControlTest, EachLoopCountIsASoundOfItsOwn)
{
    switchSoundOn();
    control.wavPlay(warning, looping, 5);
    control.wavPlay(warning, once, 5);

    ASSERT_EQ(audio->players.size(), 2u);
    EXPECT_EQ(player(0).numberOfLoops(), -1);
    EXPECT_EQ(player(1).numberOfLoops(), 0);
    EXPECT_EQ(playing(), (std::vector<bool>{false, true}));
}

// Players are listed in the order the sounds first played.
TEST_F(SoundControlTest, CompetingSoundsAreDecidedByTheirPriority)
{
    struct Step {
        int64_t loop;
        int64_t priority;
        std::vector<bool> playing;
    };
    const std::vector<std::pair<const char*, std::vector<Step>>> scenarios = {
        {"a lower number playing is paused first, and the next call plays",
         {{looping, 5, {true}}, {once, 4, {false, true}}, {looping, 5, {false, false}}, {looping, 5, {true, false}}}},
        {"a higher number playing gives way at once",
         {{once, 4, {true}}, {looping, 5, {false, true}}, {once, 4, {true, false}}}},
        {"the first priority of a sound stays",
         {{looping, 4, {true}}, {looping, 6, {true}}, {once, 5, {false, true}}, {looping, 6, {true, false}}}},
        // Only a sound played with a negative priority leaves no current sound.
        {"with no current sound there is no competition",
         {{once, 5, {true}}, {looping, -1, {false, true}}, {once, 5, {true, true}}}},
        {"a sound without priority plays over any other",
         {{looping, 5, {true}}, {once, -1, {false, true}}, {once, -1, {false, true}}}},
    };
    for (const auto& [name, steps] : scenarios) {
        testing_support::ScopedRecordingAudioSystem scenarioAudio;
        SoundControl scenarioControl{soundData, sdkStateData, displayData};
        switchSoundOn();
        for (size_t i = 0; i < steps.size(); ++i) {
            scenarioControl.wavPlay(warning, steps[i].loop, steps[i].priority);
            std::vector<bool> now;
            for (const auto& player : scenarioAudio->players)
                now.push_back(player->isPlaying());
            EXPECT_EQ(now, steps[i].playing) << name << ", step " << i + 1;
        }
    }
}

TEST_F(SoundControlTest, EveryMutingConditionPausesAndBlocksUntilTheNextPlay)
{
    const std::vector<std::pair<const char*, std::function<void(bool)>>> conditions = {
        {"sound switched off", [&](bool on) { soundData->soundEnable().send(!on); }},
        {"background", [&](bool on) { sdkStateData->isBackground().send(on); }},
        {"screen outside the framework", [&](bool on) { displayData->isDisplayOutsideSdkControl().send(on); }},
        {"popup", [&](bool on) { displayData->isDisplayPopup().send(on); }},
    };
    switchSoundOn();
    control.wavPlay(warning, looping, 5);
    auto& sound = player(0);
    for (const auto& [name, setCondition] : conditions) {
        ASSERT_TRUE(sound.isPlaying()) << name;
        const int plays = sound.playCount;

        setCondition(true);
        EXPECT_FALSE(sound.isPlaying()) << name;
        control.wavPlay(warning, looping, 5);
        EXPECT_EQ(sound.playCount, plays) << name;

        setCondition(false);
        EXPECT_FALSE(sound.isPlaying()) << name << ": nothing resumes by itself";
        control.wavPlay(warning, looping, 5);
        EXPECT_TRUE(sound.isPlaying()) << name;
    }
}

TEST_F(SoundControlTest, ExclusiveAudioPausesEveryOtherSoundWithAPriority)
{
    switchSoundOn();
    control.wavPlay(warning, once, 4);
    control.wavPlay(warning, looping, 5);
    const int pausesOfOnce = player(0).pauseCount;
    const int pausesOfLooping = player(1).pauseCount;

    control.exclusiveAudio(warning, looping);
    EXPECT_EQ(player(0).pauseCount, pausesOfOnce + 1);
    EXPECT_EQ(player(1).pauseCount, pausesOfLooping);
    EXPECT_TRUE(player(1).isPlaying());

    control.exclusiveAudio(warning, twice);
    EXPECT_EQ(player(0).pauseCount, pausesOfOnce + 2);
    EXPECT_EQ(player(1).pauseCount, pausesOfLooping + 1);
    EXPECT_EQ(player(0).playCount + player(1).playCount, 2);
}

TEST_F(SoundControlTest, ExclusiveAudioLeavesSoundsWithoutPriorityAlone)
{
    switchSoundOn();
    control.wavPlay(warning, once, -1);
    control.exclusiveAudio(warning, looping);
    EXPECT_TRUE(player(0).isPlaying());
}

TEST_F(SoundControlTest, StopAudioPausesEveryPlayer)
{
    switchSoundOn();
    control.wavPlay(warning, looping, -1);
    control.wavPlay(warning, once, 5);
    ASSERT_EQ(playing(), (std::vector<bool>{true, true}));

    control.stopAudio();
    EXPECT_EQ(playing(), (std::vector<bool>{false, false}));
}

TEST_F(SoundControlTest, AudioFailuresPlayNothingAndTheNextCallTriesAgain)
{
    using Step = RecordingAudioSystem::Step;
    const std::vector<std::pair<Step, size_t>> cases = {
        {Step::category, 1}, {Step::speakerOverride, 2}, {Step::activation, 3}, {Step::playerCreation, 3}};
    for (const auto& [failing, sessionCallsMade] : cases) {
        testing_support::ScopedRecordingAudioSystem scenarioAudio;
        SoundControl scenarioControl{soundData, sdkStateData, displayData};
        switchSoundOn();
        scenarioAudio->failingStep = failing;

        scenarioControl.wavPlay(warning, looping, 5);
        EXPECT_TRUE(scenarioAudio->players.empty());
        EXPECT_EQ(scenarioAudio->sessionCalls.size(), sessionCallsMade);

        scenarioAudio->failingStep.reset();
        scenarioControl.wavPlay(warning, looping, 5);
        ASSERT_EQ(scenarioAudio->players.size(), 1u);
        EXPECT_TRUE(scenarioAudio->players[0]->isPlaying());
    }
}

TEST_F(SoundControlTest, AMissingAssetIsASilentNoOp)
{
    switchSoundOn();
    control.wavPlay("no_such_sound", looping, 5);
    EXPECT_TRUE(audio->sessionCalls.empty());
    EXPECT_TRUE(audio->players.empty());
}

} // namespace
