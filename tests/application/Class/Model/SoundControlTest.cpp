#include "Class/Model/SoundControl.h"
#include "Class/Model/UserDefaultsKey.h"
#include "application/support/ScopedUserDefaults.h"
#include "audio/WavData.h"
#include "foundation/DataAsset.h"
#include "foundation/VirtualTime.h"
#include "support/RecordingAudioSystem.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvane::app;

const std::string preview = "CS_Sound";

class AppSoundControlTest : public ::testing::Test {
protected:
    void setVolume(float volume) { defaults->setFloat(rawValue(UserDefaultsKey::soundVolume), volume); }
    testing_support::RecordingAudioPlayer& player(size_t index) { return *audio->players.at(index); }

    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    testing_support::ScopedUserDefaults defaults;
    testing_support::ScopedRecordingAudioSystem audio;
    SoundControl control;
};

TEST_F(AppSoundControlTest, ThePreviewSoundIsACompiledInWavAsset)
{
    const auto asset = foundation::dataAsset(preview);
    ASSERT_TRUE(asset.has_value());
    const auto wav = audio::WavData::parse(*asset);
    ASSERT_TRUE(wav.has_value());
    EXPECT_FALSE(wav->samples.empty());
}

TEST_F(AppSoundControlTest, EveryPreviewReplaysTheOnePlayerAtTheStoredVolume)
{
    setVolume(0.25f);
    control.pauseSound(preview, 0);
    control.playSound(preview, "wav", 0, true, 2);
    EXPECT_EQ(player(0).volume(), 0.25f);

    setVolume(0.75f);
    control.pauseSound(preview, 0);
    control.playSound(preview, "wav", 0, true, 2);

    EXPECT_EQ(audio->sessionCalls, (std::vector<std::string>{"category playAndRecord", "override speaker", "activate"}));
    ASSERT_EQ(audio->players.size(), 1u);
    EXPECT_EQ(player(0).fileTypeHint, "wav");
    EXPECT_EQ(player(0).volume(), 0.75f);
    EXPECT_EQ(player(0).numberOfLoops(), 0);
    EXPECT_EQ(player(0).playCount, 2);
    EXPECT_EQ(player(0).pauseCount, 0);
}

TEST_F(AppSoundControlTest, WithoutAStoredVolumeThePreviewPlaysAtFullVolume)
{
    control.playSound(preview, "wav", 0, true, 2);
    EXPECT_EQ(player(0).volume(), 1.0f);
}

TEST_F(AppSoundControlTest, AMissingAssetOrAFailingSessionPlaysNothing)
{
    control.playSound("no_such_sound", "wav", 0, true, 2);
    EXPECT_TRUE(audio->sessionCalls.empty());

    audio->failingStep = testing_support::RecordingAudioSystem::Step::activation;
    control.playSound(preview, "wav", 0, true, 2);
    EXPECT_TRUE(audio->players.empty());

    audio->failingStep.reset();
    control.playSound(preview, "wav", 0, true, 2);
    EXPECT_EQ(audio->players.size(), 1u);
}

TEST_F(AppSoundControlTest, AnotherLoopCountIsAnotherSoundWithItsOwnPlayer)
{
    control.playSound(preview, "wav", 0, true, 2);
    control.playSound(preview, "wav", 1, true, 2);

    ASSERT_EQ(audio->players.size(), 2u);
    EXPECT_FALSE(player(0).isPlaying());
    EXPECT_TRUE(player(1).isPlaying());
    EXPECT_EQ(player(1).numberOfLoops(), 1);

    control.pauseSound(preview, 1);
    EXPECT_TRUE(player(1).isPlaying());
    control.pauseSound(preview, 0);
    EXPECT_FALSE(player(1).isPlaying());
}

TEST_F(AppSoundControlTest, SwitchingASoundOffPausesIt)
{
    control.playSound(preview, "wav", 0, true, 2);
    control.playSound(preview, "wav", 0, false, 2);
    EXPECT_FALSE(player(0).isPlaying());
    EXPECT_EQ(player(0).playCount, 1);
}

// A sound whose entry outranks the playing one only silences it; the requested sound stays off too.
TEST_F(AppSoundControlTest, AnOutrankingSoundSilencesThePlayingOneWithoutStarting)
{
    control.playSound(preview, "wav", 1, true, 5);
    control.playSound(preview, "wav", 0, true, 1);
    ASSERT_TRUE(player(1).isPlaying());

    control.playSound(preview, "wav", 1, true, 5);

    EXPECT_FALSE(player(0).isPlaying());
    EXPECT_FALSE(player(1).isPlaying());
    EXPECT_EQ(player(0).playCount, 1);
}

} // namespace
