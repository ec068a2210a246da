#include "SoundData.h"
#include "SoundModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace tolvane;

class SoundModelTest : public ::testing::Test {
protected:
    std::shared_ptr<SoundData> soundData = std::make_shared<SoundData>();
    SoundModel model{soundData};
};

TEST_F(SoundModelTest, SoundStaysOffAtFullVolumeUntilTheApplicationPushesItsSettings)
{
    EXPECT_FALSE(soundData->soundEnable().value());
    EXPECT_EQ(soundData->soundVolume(), 1.0f);
}

TEST_F(SoundModelTest, VolumeStepsBecomeSeventhsClampedToTheSlider)
{
    const std::vector<std::pair<int64_t, float>> cases = {
        {0, 0.0f}, {1, 1.0f / 7.0f}, {3, 0.42857143f}, {6, 6.0f / 7.0f}, {7, 1.0f}, {9, 1.0f}, {-1, 0.0f},
        {INT64_MAX, 1.0f}, {INT64_MIN, 0.0f},
    };
    for (const auto& [step, volume] : cases) {
        model.requestUpdateSoundSetting({.volume = step});
        EXPECT_EQ(soundData->soundVolume(), volume) << "step " << step;
    }
}

TEST_F(SoundModelTest, SendsTheSwitchBeforeSettingTheVolume)
{
    std::vector<std::pair<bool, float>> seen;
    auto subscription = soundData->soundEnable().publisher().dropFirst().sink(
        [&](bool enabled) { seen.emplace_back(enabled, soundData->soundVolume()); });

    model.requestUpdateSoundSetting({.sound = true, .volume = 3});

    EXPECT_EQ(seen, (std::vector<std::pair<bool, float>>{{true, 1.0f}}));
    EXPECT_TRUE(soundData->soundEnable().value());
    EXPECT_EQ(soundData->soundVolume(), 0.42857143f);
}

TEST_F(SoundModelTest, AbsentSettingsStayAsTheyAre)
{
    model.requestUpdateSoundSetting({.sound = true, .volume = 2});
    int sends = 0;
    auto subscription = soundData->soundEnable().publisher().dropFirst().sink([&](bool) { ++sends; });

    model.requestUpdateSoundSetting({});
    model.requestUpdateSoundSetting({.volume = 5});

    EXPECT_EQ(sends, 0);
    EXPECT_TRUE(soundData->soundEnable().value());
    EXPECT_EQ(soundData->soundVolume(), 5.0f / 7.0f);
}

} // namespace
