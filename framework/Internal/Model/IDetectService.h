#pragma once

#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekVerification.h"

#include <optional>

namespace tolvane {

// Starts, stops and pauses the detectors at the points of the connection and operation life cycle,
// and runs them in their fixed order on every received record. Main thread only.
class IDetectService {
public:
    virtual ~IDetectService() = default;
    // Whether received messages are checked for their checksum.
    virtual bool doChecksum() const = 0;
    virtual bool isDetectPause() const = 0;
    virtual bool isDetectFinished() const = 0;
    virtual void startDetectForBluetoothConnect() = 0;
    virtual void startDetectForCommunication() = 0;
    virtual void startDetectForCounterUpdate() = 0;
    virtual void startDetectForLastTenCounterUpdate() = 0;
    virtual void startDetectForActOn() = 0;
    virtual void stopDetectForRestart() = 0;
    virtual void stopDetectForComplete() = 0;
    virtual void stopDetectAll() = 0;
    virtual void switchPauseDetect(bool pause) = 0;
    virtual void switchPauseDetectCommunication(bool pause) = 0;
    // Before each outgoing message: checks Bluetooth and pauses the link watchdogs while it is off
    // or the application is in the background.
    virtual void detectBluetoothOff() = 0;
    // Each received record, with the arguments it does not carry absent.
    virtual void detectCommunication(const std::optional<MekVerification>& verification,
                                     const std::optional<MekCsrReq>& req,
                                     const std::optional<MekAbnormal>& abnormal) = 0;
};

} // namespace tolvane
