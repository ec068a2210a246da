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
enum class InternalCause : uint8_t {
    def = 0,
    haltReqBtLoss = 1,
    stopReqBtLoss = 2,
    haltVerificationBtLoss = 3,
    stopVerificationBtLoss = 4,
    outArea = 5,
    openDoor = 6,
    actPksb = 7,
    byDrive = 8,
    smartOpe = 9,
    canLoss = 10,
    lowBattery = 11,
    keyInCar = 12,
    beltOn = 13,
    plugConnect = 14,
    obstacle = 15,
    doorUnlock = 16,
    routeLost = 17,
    userSelf = 18,
    userDrive = 19,
    timeoutControl = 20,
    losePath = 21,
    vehicleFailOut = 22,
    usageProhibited = 23,
    cameraDart = 24,
    verifyFailOut = 25,
    noSpace = 26,
    apswPush = 27,
    pvmCancel = 28,
    sonarDart = 29,
    steepSlope = 30,
    temperatureLow = 31,
    overSpeed = 32,
    failFlag = 33,
    failMirror = 34,
    smartCancel = 35,
    brekeComplete = 36,
    breakTimeout = 37,
    cannotStartVehicleFailOut = 38,
    cannotStartUsageProhibited = 39,
    wrongWay = 40,
    cannotStartSmartCancel = 41,
    haltCounterAnomaly = 42,
    stopCounterAnomaly = 43,
    haltChecksumAnomaly = 44,
    stopChecksumAnomaly = 45,
    abnormalEnd = 46,
    sysInspect = 47,
    sysConfirm = 48,
    keysNoDetect = 49,
    abnormalButteryStatus = 50,
    abnormalConnectBattery = 51,
    abnormalKeyInCar = 52,
    haltBtOff = 53,
    stopBtOff = 54,
    haltDcucsrerInterrupt = 55,
    stopDcucsrerInterrupt = 56,
    haltDcuidterInterrupt = 57,
    stopDcuidterInterrupt = 58,
    deadLock = 59,
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
        E::def, E::haltReqBtLoss, E::stopReqBtLoss,
        E::haltVerificationBtLoss, E::stopVerificationBtLoss, E::outArea,
        E::openDoor, E::actPksb, E::byDrive,
        E::smartOpe, E::canLoss, E::lowBattery,
        E::keyInCar, E::beltOn, E::plugConnect,
        E::obstacle, E::doorUnlock, E::routeLost,
        E::userSelf, E::userDrive, E::timeoutControl,
        E::losePath, E::vehicleFailOut, E::usageProhibited,
        E::cameraDart, E::verifyFailOut, E::noSpace,
        E::apswPush, E::pvmCancel, E::sonarDart,
        E::steepSlope, E::temperatureLow, E::overSpeed,
        E::failFlag, E::failMirror, E::smartCancel,
        E::brekeComplete, E::breakTimeout, E::cannotStartVehicleFailOut,
        E::cannotStartUsageProhibited, E::wrongWay, E::cannotStartSmartCancel,
        E::haltCounterAnomaly, E::stopCounterAnomaly, E::haltChecksumAnomaly,
        E::stopChecksumAnomaly, E::abnormalEnd, E::sysInspect,
        E::sysConfirm, E::keysNoDetect, E::abnormalButteryStatus,
        E::abnormalConnectBattery, E::abnormalKeyInCar, E::haltBtOff,
        E::stopBtOff, E::haltDcucsrerInterrupt, E::stopDcucsrerInterrupt,
        E::haltDcuidterInterrupt, E::stopDcuidterInterrupt, E::deadLock,
    };
};
