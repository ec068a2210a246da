#pragma once

#include "Internal/Model/CauseId.h"
#include "Internal/Model/RequiredDisplayId.h"
#include "foundation/EnumCases.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tolvane {

struct MekCsrReq;
struct MekVerification;

// A reason, known only inside the framework, to interrupt (HALT) or end (STOP) the operation. The
// halt and stop twins of one reason share one public cause id.
#define TOLVANE_INTERNAL_CAUSES(X) \
    X(def, 0) \
    X(haltReqBtLoss, 1) \
    X(stopReqBtLoss, 2) \
    X(haltVerificationBtLoss, 3) \
    X(stopVerificationBtLoss, 4) \
    X(outArea, 5) \
    X(openDoor, 6) \
    X(actPksb, 7) \
    X(byDrive, 8) \
    X(smartOpe, 9) \
    X(canLoss, 10) \
    X(lowBattery, 11) \
    X(keyInCar, 12) \
    X(beltOn, 13) \
    X(plugConnect, 14) \
    X(obstacle, 15) \
    X(doorUnlock, 16) \
    X(routeLost, 17) \
    X(userSelf, 18) \
    X(userDrive, 19) \
    X(timeoutControl, 20) \
    X(losePath, 21) \
    X(vehicleFailOut, 22) \
    X(usageProhibited, 23) \
    X(cameraDart, 24) \
    X(verifyFailOut, 25) \
    X(noSpace, 26) \
    X(apswPush, 27) \
    X(pvmCancel, 28) \
    X(sonarDart, 29) \
    X(steepSlope, 30) \
    X(temperatureLow, 31) \
    X(overSpeed, 32) \
    X(failFlag, 33) \
    X(failMirror, 34) \
    X(smartCancel, 35) \
    X(brekeComplete, 36) \
    X(breakTimeout, 37) \
    X(cannotStartVehicleFailOut, 38) \
    X(cannotStartUsageProhibited, 39) \
    X(wrongWay, 40) \
    X(cannotStartSmartCancel, 41) \
    X(haltCounterAnomaly, 42) \
    X(stopCounterAnomaly, 43) \
    X(haltChecksumAnomaly, 44) \
    X(stopChecksumAnomaly, 45) \
    X(abnormalEnd, 46) \
    X(sysInspect, 47) \
    X(sysConfirm, 48) \
    X(keysNoDetect, 49) \
    X(abnormalButteryStatus, 50) \
    X(abnormalConnectBattery, 51) \
    X(abnormalKeyInCar, 52) \
    X(haltBtOff, 53) \
    X(stopBtOff, 54) \
    X(haltDcucsrerInterrupt, 55) \
    X(stopDcucsrerInterrupt, 56) \
    X(haltDcuidterInterrupt, 57) \
    X(stopDcuidterInterrupt, 58) \
    X(deadLock, 59)

enum class InternalCause : uint8_t {
#define TOLVANE_CASE(name, raw) name = raw,
    TOLVANE_INTERNAL_CAUSES(TOLVANE_CASE)
#undef TOLVANE_CASE
};

// 1 is the most urgent, 16 the least.
int64_t priority(InternalCause cause);
CauseId causeId(InternalCause cause);
// HALT (the cause can be withdrawn again), STOP (it stays until the causes are reset), or none.
std::optional<RequiredDisplayId> displayId(InternalCause cause);
// Priority 1-8: Bluetooth off, link losses, the vehicle unit's errors, verification abnormalities,
// checksum and counter anomalies.
bool isHigherPriorityParkOut(InternalCause cause);
// Priority 1-12: adding such a cause ends the break-timeout stop.
bool isHigherPriorityBreakTimeout(InternalCause cause);

// The abnormality named by the verification display id.
std::optional<InternalCause> parseInternalCause(const MekVerification& verification);
// The halt or stop cause named by the vehicle display id of a control-state request.
std::optional<InternalCause> parseInternalCause(const MekCsrReq& req);

} // namespace tolvane

template <>
struct foundation::EnumCases<tolvane::InternalCause> {
    using E = tolvane::InternalCause;
    static constexpr std::array all{
#define TOLVANE_CASE(name, raw) E::name,
        TOLVANE_INTERNAL_CAUSES(TOLVANE_CASE)
#undef TOLVANE_CASE
    };
};
