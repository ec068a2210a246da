// Arbitrary bytes from the vehicle, in arbitrary chunks, through the receive path, the decoders, the
// detectors and the arbitration, with the main loop drained and time moved on between chunks.
// Whatever arrives, nothing may crash, no undefined behaviour may occur and the pending receive
// buffer stays capped.

#include "Internal/Model/FrameCutter.h"
#include "SilentSystemLog.h"
#include "support/FrameworkRig.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::silenceSystemLog();

    FuzzedDataProvider input(data, size);
    testing_support::FrameworkRig rig;
    // The states in which a run receives: connected, awaiting the confirmation, operating.
    if (input.ConsumeBool()) {
        rig.detectService->startDetectForBluetoothConnect();
        rig.detectService->startDetectForCommunication();
    }
    if (input.ConsumeBool())
        rig.detectService->startDetectForActOn(); // checksums are checked from here on
    rig.willArbitrateData->setWaitingInitialReceived(input.ConsumeBool());
    rig.willArbitrateData->setIsInterrupt(input.ConsumeBool());
    rig.sdkStateData->isBackground().send(input.ConsumeBool());

    while (input.remaining_bytes() > 0) {
        const auto chunk = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(1, 2048));
        rig.coder->decode(chunk);
        if (rig.willArbitrateData->recivedDataBuffer().copy().size() >= tolvane::FrameCutter::kMaxPendingBytes)
            __builtin_trap();
        if (input.ConsumeBool())
            rig.coder->encode();
        rig.time.runUntilIdle();
        rig.time.advance(0.5 * input.ConsumeIntegralInRange<int>(0, 8));
    }
    rig.time.runUntilIdle();
    return 0;
}
