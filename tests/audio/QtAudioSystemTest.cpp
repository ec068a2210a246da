#include "audio/QtAudioSystem.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

using foundation::Bytes;

Bytes tinyWav()
{
    return {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0,
            0x40, 0x1F, 0, 0, 0x80, 0x3E, 0, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a', 2, 0, 0, 0, 0, 0};
}

TEST(QtAudioSystemTest, MakesPlayersOnlyForWavData)
{
    audio::QtAudioSystem system;
    EXPECT_NE(system.makePlayer(tinyWav(), "wav"), nullptr);
    EXPECT_NE(system.makePlayer(tinyWav(), "WAV"), nullptr);
    EXPECT_EQ(system.makePlayer(tinyWav(), "mp3"), nullptr);
    EXPECT_EQ(system.makePlayer(Bytes{1, 2, 3}, "wav"), nullptr);
}

TEST(QtAudioSystemTest, WithoutAnApplicationNothingActivatesOrPlays)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    audio::QtAudioSystem system;
    EXPECT_FALSE(system.sharedSession().activate());
    auto player = system.makePlayer(tinyWav(), "wav");
    ASSERT_NE(player, nullptr);
    EXPECT_FALSE(player->prepareToPlay());
    EXPECT_FALSE(player->play());
    player->pause();
    EXPECT_FALSE(player->isPlaying());
}

// The machines the tests run on have no sound device: the session does not activate and a player
// stays silent, and nothing fails.
TEST(QtAudioSystemTest, WithoutAnOutputDevicePlayingIsQuietlyRefused)
{
    int argc = 1;
    char name[] = "audio_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    audio::QtAudioSystem system;
    auto player = system.makePlayer(tinyWav(), "wav");
    ASSERT_NE(player, nullptr);
    player->setNumberOfLoops(-1);
    player->setVolume(0.5f);
    const bool activated = system.sharedSession().activate();
    EXPECT_EQ(player->prepareToPlay(), activated);
    if (!activated) {
        EXPECT_FALSE(player->play());
        EXPECT_FALSE(player->isPlaying());
    }
    player->pause();
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(player->volume(), 0.5f);
    EXPECT_EQ(player->numberOfLoops(), -1);
}

} // namespace
