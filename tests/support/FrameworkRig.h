#pragma once

#include "ISoundControl.h"
#include "Internal/Model/BtMekConverter.h"
#include "Internal/Model/CautionData.h"
#include "Internal/Model/DataArbitrator.h"
#include "Internal/Model/DataCoder.h"
#include "Internal/Model/DetectAbnormal/DetectBluetooth.h"
#include "Internal/Model/DetectAbnormal/DetectCheckSum.h"
#include "Internal/Model/DetectAbnormal/DetectClearSonerCounterFixing.h"
#include "Internal/Model/DetectAbnormal/DetectCommunicationRequest.h"
#include "Internal/Model/DetectAbnormal/DetectCommunicationVerification.h"
#include "Internal/Model/DetectAbnormal/DetectDcuCsrError.h"
#include "Internal/Model/DetectAbnormal/DetectDcuIdtError.h"
#include "Internal/Model/DetectAbnormal/DetectDeadlock.h"
#include "Internal/Model/DetectAbnormal/DetectIdtdspError.h"
#include "Internal/Model/DetectAbnormal/DetectLatch.h"
#include "Internal/Model/DetectAbnormal/DetectMekdspError.h"
#include "Internal/Model/DetectService.h"
#include "Internal/Model/DisplayData.h"
#include "Internal/Model/IVibrateControl.h"
#include "Internal/Model/SdkStateData.h"
#include "Internal/Model/SendingData.h"
#include "Internal/Model/VehicleStateData.h"
#include "Internal/Model/WillArbitrateData.h"
#include "bluetooth/SettableBluetoothPower.h"
#include "foundation/VirtualTime.h"

#include <memory>

namespace testing_support {

// Sound and haptics that do nothing, for runs that do not look at them.
class Mute final : public tolvane::ISoundControl, public tolvane::IVibrateControl {
public:
    void wavPlay(const std::string&, int64_t, int64_t) override {}
    void exclusiveAudio(const std::string&, int64_t) override {}
    void stopAudio() override {}
    void startVibrate(tolvane::VibrationKind) override {}
    void stopVibrate() override {}
};

// The framework's send and receive path wired as the application has it: real stores, detectors,
// detection service, codec and arbitrator, on virtual time, with Bluetooth on and no sound. For the
// fuzz target, the benchmarks and end-to-end tests.
struct FrameworkRig {
    FrameworkRig() { arbitrator->startObserver(); }

    foundation::VirtualTime time;
    foundation::RunLoop& mainLoop = time.mainLoop();
    std::shared_ptr<tolvane::SendingData> sendingData = std::make_shared<tolvane::SendingData>();
    std::shared_ptr<tolvane::WillArbitrateData> willArbitrateData = std::make_shared<tolvane::WillArbitrateData>();
    std::shared_ptr<tolvane::DisplayData> displayData = std::make_shared<tolvane::DisplayData>();
    std::shared_ptr<tolvane::VehicleStateData> vehicleStateData = std::make_shared<tolvane::VehicleStateData>();
    std::shared_ptr<tolvane::CautionData> cautionData = std::make_shared<tolvane::CautionData>();
    std::shared_ptr<tolvane::SdkStateData> sdkStateData = std::make_shared<tolvane::SdkStateData>();
    std::shared_ptr<bt::SettableBluetoothPower> bluetoothPower =
        std::make_shared<bt::SettableBluetoothPower>(bt::PowerState::poweredOn);
    std::shared_ptr<tolvane::DetectService> detectService = std::make_shared<tolvane::DetectService>(
        std::make_shared<tolvane::DetectBluetooth>(cautionData, bluetoothPower),
        std::make_shared<tolvane::DetectCommunicationVerification>(cautionData),
        std::make_shared<tolvane::DetectCommunicationRequest>(cautionData),
        std::make_shared<tolvane::DetectCheckSum>(cautionData),
        std::make_shared<tolvane::DetectClearSonerCounterFixing>(cautionData),
        std::make_shared<tolvane::DetectDcuCsrError>(cautionData),
        std::make_shared<tolvane::DetectDcuIdtError>(cautionData),
        std::make_shared<tolvane::DetectIdtdspError>(cautionData),
        std::make_shared<tolvane::DetectMekdspError>(cautionData), std::make_shared<tolvane::DetectLatch>(cautionData),
        std::make_shared<tolvane::DetectDeadlock>(cautionData), sdkStateData, sendingData);
    std::shared_ptr<Mute> mute = std::make_shared<Mute>();
    std::shared_ptr<tolvane::DataCoder> coder = std::make_shared<tolvane::DataCoder>(
        sendingData, willArbitrateData, detectService, cautionData, displayData);
    std::shared_ptr<tolvane::DataArbitrator> arbitrator = std::make_shared<tolvane::DataArbitrator>(
        sendingData, willArbitrateData, displayData, vehicleStateData,
        std::make_shared<tolvane::BtMekConverter>(vehicleStateData, cautionData), mute, mute, detectService,
        cautionData, sdkStateData);
};

} // namespace testing_support
