#include "haptics/NotificationFeedbackGenerator.h"
#include "support/RecordingHapticsSystem.h"

#include <gtest/gtest.h>

namespace {

using testing_support::RecordingHapticsSystem;

TEST(NotificationFeedbackGeneratorTest, PreparingMakesAndStartsOneEngineForEveryPulse)
{
    testing_support::ScopedRecordingHapticsSystem haptics;
    haptics::NotificationFeedbackGenerator generator;
    generator.prepare();
    generator.notifySuccess();
    generator.notifySuccess();

    EXPECT_EQ(haptics->enginesMade, 1);
    ASSERT_EQ(haptics->played.size(), 2u);
    EXPECT_EQ(haptics->played[0].events, haptics::NotificationFeedbackGenerator::successPattern().events());
}

TEST(NotificationFeedbackGeneratorTest, AFailingStepDropsThePulseAndTheNextOneTriesAgain)
{
    for (const auto step : {RecordingHapticsSystem::Step::engineCreation, RecordingHapticsSystem::Step::engineStart,
                            RecordingHapticsSystem::Step::playerCreation, RecordingHapticsSystem::Step::playerStart}) {
        testing_support::ScopedRecordingHapticsSystem haptics;
        haptics->failingStep = step;
        haptics::NotificationFeedbackGenerator generator;
        generator.notifySuccess();
        EXPECT_TRUE(haptics->played.empty());

        haptics->failingStep.reset();
        generator.notifySuccess();
        EXPECT_EQ(haptics->played.size(), 1u) << static_cast<int>(step);
    }
}

} // namespace
