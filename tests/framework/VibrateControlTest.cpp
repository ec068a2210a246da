#include "Internal/Model/DisplayData.h"
#include "Internal/Model/SdkStateData.h"
#include "Internal/Model/VibrateControl.h"
#include "foundation/VirtualTime.h"
#include "support/RecordingHapticsSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using namespace tolvane;
using testing_support::RecordingHapticsSystem;

class VibrateControlTest : public ::testing::Test {
protected:
    // When each pattern started, relative to the test's start.
    std::vector<foundation::Seconds> startTimes() const
    {
        std::vector<foundation::Seconds> result;
        for (const auto& played : haptics->played)
            result.push_back(played.at - start);
        return result;
    }
    std::vector<std::vector<haptics::HapticEvent>> patterns() const
    {
        std::vector<std::vector<haptics::HapticEvent>> result;
        for (const auto& played : haptics->played)
            result.push_back(played.events);
        return result;
    }

    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    const foundation::Seconds start = time.now();
    testing_support::ScopedRecordingHapticsSystem haptics;
    std::shared_ptr<DisplayData> displayData = std::make_shared<DisplayData>();
    std::shared_ptr<SdkStateData> sdkStateData = std::make_shared<SdkStateData>();
    std::shared_ptr<VibrateControl> control = std::make_shared<VibrateControl>(displayData, sdkStateData);
};

TEST_F(VibrateControlTest, OneShotKindsPlayTheirPatternOnce)
{
    control->startVibrate(VibrationKind::interruption);
    control->startVibrate(VibrationKind::turnback);
    time.advance(5.0);

    EXPECT_EQ(patterns(), (std::vector{hapticEvents(VibrationKind::interruption), hapticEvents(VibrationKind::turnback)}));
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.0}));
}

TEST_F(VibrateControlTest, TheOperatingPulseRepeatsEveryPeriodUntilStopped)
{
    control->startVibrate(VibrationKind::operating);
    time.advance(2.3);
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.75, 1.5, 2.25}));
    EXPECT_EQ(patterns().back(), hapticEvents(VibrationKind::operating));

    control->stopVibrate();
    time.advance(3.0);
    EXPECT_EQ(haptics->played.size(), 4u);

    control->startVibrate(VibrationKind::operating);
    time.advance(0.75);
    EXPECT_EQ(startTimes().size(), 6u);
}

TEST_F(VibrateControlTest, ASecondStartDoesNotStartASecondTrain)
{
    control->startVibrate(VibrationKind::operating);
    time.advance(0.5);
    control->startVibrate(VibrationKind::operating);
    time.advance(1.0);
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.75, 1.5}));
}

TEST_F(VibrateControlTest, AOneShotPlaysOnTopOfTheRunningTrain)
{
    control->startVibrate(VibrationKind::operating);
    time.advance(0.5);
    control->startVibrate(VibrationKind::interruption);
    time.advance(0.5);

    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.5, 0.75}));
    EXPECT_EQ(patterns()[1], hapticEvents(VibrationKind::interruption));
}

TEST_F(VibrateControlTest, NothingStartsBehindTheBackgroundAPopupOrAnOutsideScreen)
{
    const std::vector<std::pair<const char*, std::function<void(bool)>>> conditions = {
        {"background", [&](bool on) { sdkStateData->isBackground().send(on); }},
        {"screen outside the framework", [&](bool on) { displayData->isDisplayOutsideSdkControl().send(on); }},
        {"popup", [&](bool on) { displayData->isDisplayPopup().send(on); }},
    };
    for (const auto& [name, setCondition] : conditions) {
        setCondition(true);
        control->startVibrate(VibrationKind::operating);
        control->startVibrate(VibrationKind::turnback);
        time.advance(1.0);
        EXPECT_TRUE(haptics->played.empty()) << name;
        setCondition(false);
    }
}

TEST_F(VibrateControlTest, ARunningTrainOutlivesTheConditionsThatBlockAStart)
{
    control->startVibrate(VibrationKind::operating);
    sdkStateData->isBackground().send(true);
    displayData->isDisplayPopup().send(true);
    time.advance(1.5);
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.75, 1.5}));
}

TEST_F(VibrateControlTest, StopInTheIdleStateChangesNothing)
{
    control->stopVibrate();
    control->startVibrate(VibrationKind::operating);
    time.advance(0.0);
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0}));
}

TEST_F(VibrateControlTest, WithoutHapticsEveryCallIsANoOpForGood)
{
    haptics->supportsHaptics = false;
    control->startVibrate(VibrationKind::operating);
    haptics->supportsHaptics = true;
    control->startVibrate(VibrationKind::turnback);
    control->stopVibrate();
    control->startVibrate(VibrationKind::operating);
    time.advance(2.0);

    EXPECT_TRUE(haptics->played.empty());
    EXPECT_EQ(haptics->capabilityQueries, 1);
    EXPECT_EQ(haptics->enginesMade, 0);
}

TEST_F(VibrateControlTest, AnEngineThatCouldNotBeMadeIsNotTriedAgain)
{
    haptics->failingStep = RecordingHapticsSystem::Step::engineCreation;
    control->startVibrate(VibrationKind::turnback);
    haptics->failingStep.reset();
    control->startVibrate(VibrationKind::turnback);
    control->startVibrate(VibrationKind::operating);

    EXPECT_TRUE(haptics->played.empty());
    EXPECT_EQ(haptics->enginesMade, 1);
}

TEST_F(VibrateControlTest, AFailureAtTheStartOfATrainSchedulesNothingAndLeavesItIdle)
{
    using Step = RecordingHapticsSystem::Step;
    for (Step failing : {Step::engineStart, Step::playerCreation, Step::playerStart}) {
        haptics->failingStep = failing;
        control->startVibrate(VibrationKind::operating);
        control->startVibrate(VibrationKind::interruption);
        time.advance(2.0);
        EXPECT_TRUE(haptics->played.empty());

        haptics->failingStep.reset();
        control->startVibrate(VibrationKind::operating);
        time.advance(0.75);
        EXPECT_EQ(haptics->played.size(), 2u);
        control->stopVibrate();
        haptics->played.clear();
    }
}

TEST_F(VibrateControlTest, AFailureDuringATrainEndsItAndTheNextStartBeginsAnew)
{
    control->startVibrate(VibrationKind::operating);
    time.advance(0.75);
    haptics->failingStep = RecordingHapticsSystem::Step::playerStart;
    time.advance(0.75);
    haptics->failingStep.reset();
    time.advance(3.0);
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.75}));

    control->startVibrate(VibrationKind::operating);
    time.advance(0.75);
    EXPECT_EQ(startTimes(), (std::vector<foundation::Seconds>{0.0, 0.75, 4.5, 5.25}));
}

TEST_F(VibrateControlTest, TheTrainEndsWhenTheControlIsGone)
{
    control->startVibrate(VibrationKind::operating);
    control.reset();
    time.advance(3.0);
    EXPECT_EQ(haptics->played.size(), 1u);
    EXPECT_FALSE(mainLoop.nextTimerDate().has_value());
}

} // namespace
