#include "DetectorRig.h"

#include "foundation/LoopChecker.h"

#include <gtest/gtest.h>

namespace {

// Detectors keep their state and timers on the main loop; the send thread must hand its findings
// over instead of driving a detector itself.
TEST(DetectorLoopAffinityTest, ADetectorStartedFromTheSendLoopStopsAtOnce)
{
    if (!foundation::LoopChecker::isEnabled())
        GTEST_SKIP() << "this build does not check loops";
    testing_support::DetectorRig rig;
    auto sendLoop = rig.time.makeLoop("send");
    auto detector = rig.checkSum;
    sendLoop->post([detector] { detector->startDetect(); });
    EXPECT_DEATH(rig.time.runUntilIdle(), "DetectCheckSum was called on the loop \"send\"");
}

} // namespace
