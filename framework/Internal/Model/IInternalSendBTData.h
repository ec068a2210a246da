#pragma once

#include "Internal/Model/MountActionOfTransmissionValue.h"
#include "Internal/Model/SmpOperation.h"
#include "foundation/Clock.h"

#include <optional>

namespace tolvane {

// The arguments of one operation-data update, named at the call site:
//   sendingData.updateOperationData({.act = BtSmpAct::on, .x = 5, .y = 5});
// An absent value leaves its field as it is. Callers that pin nothing leave the mount actions at keep.
struct OperationDataUpdate {
    std::optional<BtSmpAct> act = std::nullopt;
    std::optional<uint32_t> x = std::nullopt;
    std::optional<uint32_t> y = std::nullopt;
    std::optional<BtSmpBtn> btn = std::nullopt;
    std::optional<BtSmpSelMd> sel = std::nullopt;
    std::optional<BtMekDspId> disp = std::nullopt;
    MountActionOfTransmissionValue dispMountAction = MountActionOfTransmissionValue::keep;
    std::optional<uint32_t> smpcnt = std::nullopt;
    MountActionOfTransmissionValue smpcntMountAction = MountActionOfTransmissionValue::keep;
};

// The operation record the next message is built from. Written on the main loop, read by the
// encoder on the send thread.
class IInternalSendBTData {
public:
    static constexpr int HOLD_CONFIRMATION_CYCLES = 3;

    virtual ~IInternalSendBTData() = default;

    // A copy of the whole current record.
    virtual SmpOperation operation() const = 0;
    // When the touch point last left (0, 0), on the main loop's clock; absent until then.
    virtual std::optional<foundation::Seconds> lastOperationTime() const = 0;
    virtual bool isActOn() const = 0;
    virtual void updateOperationData(const OperationDataUpdate& update) = 0;
    // Main loop, once for every send cycle: the thread that owns the touches is still handling them,
    // so a held point in the record is current.
    virtual void confirmHold() = 0;
    // Send thread: the record the next message is built from. A held point that went unconfirmed for
    // HOLD_CONFIRMATION_CYCLES send cycles is over: the record goes back to (0, 0) and stays there
    // until the touch lifts, so a stuck main loop never keeps the car moving.
    virtual SmpOperation operationToSend() = 0;
    // Back to the state at creation.
    virtual void initParam() = 0;
};

} // namespace tolvane
