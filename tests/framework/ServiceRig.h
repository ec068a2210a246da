#pragma once

#include "FakeDetectService.h"
#include "Internal/Model/CautionData.h"
#include "Internal/Model/ConnectionData.h"
#include "Internal/Model/DisplayData.h"
#include "Internal/Model/SdkStateData.h"
#include "Internal/Model/SendingData.h"
#include "Internal/Model/VehicleStateData.h"
#include "Internal/Model/VibrationKind.h"
#include "Internal/Model/IVibrateControl.h"
#include "Internal/Model/WillArbitrateData.h"
#include "foundation/VirtualTime.h"
#include "support/CapturingSystemLog.h"

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// The real operation record, keeping the whole record after each update.
class RecordingSendingData final : public tolvane::IInternalSendBTData {
public:
    tolvane::SmpOperation operation() const override { return real.operation(); }
    std::optional<foundation::Seconds> lastOperationTime() const override { return real.lastOperationTime(); }
    bool isActOn() const override { return real.isActOn(); }
    void updateOperationData(const tolvane::OperationDataUpdate& update) override
    {
        real.updateOperationData(update);
        written.push_back(real.operation());
    }
    void confirmHold() override { real.confirmHold(); }
    tolvane::SmpOperation operationToSend() override { return real.operationToSend(); }
    void initParam() override
    {
        real.initParam();
        ++resets;
    }

    std::vector<tolvane::SmpOperation> written;
    int resets = 0;

private:
    tolvane::SendingData real;
};

// The real framework state, keeping every state asked for, also those the store ignores.
class RecordingSdkStateData final : public tolvane::IInternalSdkStateData {
public:
    rx::CurrentValueSubject<bool>& isBackground() override { return real.isBackground(); }
    std::optional<foundation::Seconds> toBackgroundDate() const override { return real.toBackgroundDate(); }
    void setToBackgroundDate(std::optional<foundation::Seconds> date) override { real.setToBackgroundDate(date); }
    void setSdkState(tolvane::SdkState sdkState) override
    {
        requested.push_back(sdkState);
        real.setSdkState(sdkState);
    }
    void initParam() override { real.initParam(); }

    std::vector<tolvane::SdkState> requested;
    tolvane::SdkStateData real;
};

class RecordingVibrateControl final : public tolvane::IVibrateControl {
public:
    void startVibrate(tolvane::VibrationKind kind) override
    {
        calls.push_back(kind == tolvane::VibrationKind::operating      ? "start operating"
                        : kind == tolvane::VibrationKind::interruption ? "start interruption"
                                                                       : "start turnback");
    }
    void stopVibrate() override { calls.push_back("stop"); }

    std::vector<std::string> calls;
};

// The stores the services write, real, with recording stand-ins for the operation record, the
// framework state and the detection service, on virtual time.
struct ServiceRig {
    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    ScopedSystemLogCapture log;
    std::shared_ptr<RecordingSendingData> sendingData = std::make_shared<RecordingSendingData>();
    std::shared_ptr<RecordingSdkStateData> sdkStateData = std::make_shared<RecordingSdkStateData>();
    std::shared_ptr<tolvane::DisplayData> displayData = std::make_shared<tolvane::DisplayData>();
    std::shared_ptr<tolvane::WillArbitrateData> willArbitrateData = std::make_shared<tolvane::WillArbitrateData>();
    std::shared_ptr<tolvane::VehicleStateData> vehicleStateData = std::make_shared<tolvane::VehicleStateData>();
    std::shared_ptr<tolvane::CautionData> cautionData = std::make_shared<tolvane::CautionData>();
    std::shared_ptr<tolvane::ConnectionData> connectionData = std::make_shared<tolvane::ConnectionData>();
    std::shared_ptr<FakeDetectService> detectService = std::make_shared<FakeDetectService>();
    std::shared_ptr<RecordingVibrateControl> vibrateControl = std::make_shared<RecordingVibrateControl>();

    // A record in the middle of a run: operation on, a touch point, a plan, the display id resume
    // pinned and the counter 7 free.
    void writeRunningOperation()
    {
        using tolvane::MountActionOfTransmissionValue;
        sendingData->updateOperationData({.act = tolvane::BtSmpAct::on,
                                          .x = 300,
                                          .y = 400,
                                          .btn = tolvane::BtSmpBtn::longpress,
                                          .sel = tolvane::BtSmpSelMd::parkplan3,
                                          .disp = tolvane::BtMekDspId::resume,
                                          .dispMountAction = MountActionOfTransmissionValue::mount,
                                          .smpcnt = 7,
                                          .smpcntMountAction = MountActionOfTransmissionValue::unmount});
        sendingData->written.clear();
    }
};

inline const tolvane::SmpOperation runningOperation{.act = tolvane::BtSmpAct::on,
                                                    .x = 300,
                                                    .y = 400,
                                                    .btn = tolvane::BtSmpBtn::longpress,
                                                    .sel = tolvane::BtSmpSelMd::parkplan3,
                                                    .disp = tolvane::BtMekDspId::resume,
                                                    .smpcnt = 7};

// The record with only the given changes from the running one.
template <class Change>
tolvane::SmpOperation runningWith(Change change)
{
    tolvane::SmpOperation record = runningOperation;
    change(record);
    return record;
}

} // namespace testing_support
