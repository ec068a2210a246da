#pragma once

#include "Internal/Model/IInternalSendBTData.h"

#include "foundation/Guarded.h"

namespace tolvane {

// Owns the operation record. The display id echoed to the vehicle and the phone's counter can be
// pinned so that ordinary updates do not overwrite them. The record is guarded so that the send
// thread never reads a half-written one.
class SendingData final : public IInternalSendBTData {
public:
    using MountActionOfTransmissionValue = tolvane::MountActionOfTransmissionValue;

    SendingData() = default;

    SmpOperation operation() const override;
    std::optional<foundation::Seconds> lastOperationTime() const override;
    bool isActOn() const override;
    void updateOperationData(const OperationDataUpdate& update) override;
    void confirmHold() override;
    SmpOperation operationToSend() override;
    void initParam() override;

private:
    struct Record {
        SmpOperation _operation;
        std::optional<foundation::Seconds> _lastOperationTime;
        // Both start pinned (not absent): until the first mount or unmount, every update writes def and 0.
        std::optional<BtMekDspId> mountedSendDisp = BtMekDspId::def;
        std::optional<uint32_t> mountedSendSmpcnt = 0;
        // Send cycles since the main loop last confirmed the hold.
        int unconfirmedCycles = 0;
        // The send thread ended a hold that went unconfirmed; points stay at (0, 0) until one is
        // written there, as a lifting touch does.
        bool holdEnded = false;
    };

    foundation::Guarded<Record> record_;
};

} // namespace tolvane
