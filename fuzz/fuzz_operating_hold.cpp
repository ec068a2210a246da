// The whole application over the framework's own services, on virtual time, with the vehicle and the
// user's fingers driven by the input: the vehicle moves between screens, sends obstacles, faults and
// bad frames, or falls silent; fingers go down, move and lift anywhere on the glass, seen by the
// window of a host application or of the stand-alone program. Every operation message the send cycle
// encodes is checked: a held point goes out only while the operating screen is shown and a finger
// that started on the slider is down, and after such a finger lifts no held point goes out until a
// finger starts on the slider again.

#include "OperatingHoldRig.h"
#include "SilentSystemLog.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::silenceSystemLog();
    FuzzedDataProvider input(data, size);
    fuzzing::OperatingHoldRig rig(input.ConsumeBool());
    rig.startOperating();
    // A minute of the phone's time is plenty for any story and keeps every input quick.
    while (input.remaining_bytes() > 0 && rig.elapsed() < 60.0)
        rig.step(input);
    rig.liftEveryFinger();
    rig.runCycles(10);
    return 0;
}
