#include "ModelDataAssembleySdk.h"

#include "Internal/Model/BluetoothSocketModel.h"
#include "Internal/Model/BatteryModel.h"
#include "Internal/Model/BtMekConverter.h"
#include "Internal/Model/CautionData.h"
#include "Internal/Model/ConnectionData.h"
#include "Internal/Model/DataArbitrator.h"
#include "Internal/Model/DataCoder.h"
#include "Internal/Model/DataCodingModel.h"
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
#include "Internal/Model/DisplayModel.h"
#include "Internal/Model/SdkModel.h"
#include "Internal/Model/SdkStateData.h"
#include "Internal/Model/SendingData.h"
#include "Internal/Model/UserOperationModel.h"
#include "Internal/Model/VehicleStateData.h"
#include "Internal/Model/VibrateControl.h"
#include "Internal/Model/WillArbitrateData.h"
#include "SoundControl.h"
#include "SoundData.h"
#include "SoundModel.h"
#include "bluetooth/BluetoothPower.h"
#include "foundation/FatalError.h"

#include <source_location>

namespace tolvane {
namespace {

// A store's read-only interface is the very object the framework writes through its writable one.
template <class ReadOnly, class Writable>
void registerReadOnlyView(di::Container& container, std::source_location row = std::source_location::current())
{
    container
        .registerService<ReadOnly>([row](di::Resolver& r) {
            auto view = std::dynamic_pointer_cast<ReadOnly>(di::resolveOrDie<Writable>(r, row));
            if (!view)
                foundation::fatalError("The store does not offer its read-only interface", row);
            return view;
        })
        .inObjectScope(di::ObjectScope::container);
}

} // namespace

// One row per service: the interface, the class built, and the services it is built from in the order
// its constructor takes them. A missing one ends the process naming its row's line.
void ModelDataAssembleySdk::assemble(di::Container& container)
{
    using di::registerSingleton;
    registerSingleton<IBtMekConverter, BtMekConverter, IInternalVehicleStateData, IInternalCautionData>(container);
    registerSingleton<IDataCoder, DataCoder, IInternalSendBTData, IWillArbitrateData, IDetectService,
                      IInternalCautionData, IInternalDisplayData>(container);
    registerSingleton<IDataArbitrator, DataArbitrator, IInternalSendBTData, IWillArbitrateData, IInternalDisplayData,
                      IInternalVehicleStateData, IBtMekConverter, IVibrateControl, ISoundControl, IDetectService,
                      IInternalCautionData, IInternalSdkStateData>(container);
    registerSingleton<IVibrateControl, VibrateControl, IInternalDisplayData, IInternalSdkStateData>(container);
    registerSingleton<ISoundControl, SoundControl, ISoundData, IInternalSdkStateData, IInternalDisplayData>(container);
    // The phone's Bluetooth power is the one the accessory backend in use reports.
    container
        .registerService<IDetectBluetooth>([](di::Resolver& r) {
            return std::make_shared<DetectBluetooth>(di::resolveOrDie<IInternalCautionData>(r), bt::bluetoothPower());
        })
        .inObjectScope(di::ObjectScope::container);
    registerSingleton<IDetectCommunicationVerification, DetectCommunicationVerification, IInternalCautionData>(
        container);
    registerSingleton<IDetectCommunicationRequest, DetectCommunicationRequest, IInternalCautionData>(container);
    registerSingleton<IDetectCheckSum, DetectCheckSum, IInternalCautionData>(container);
    registerSingleton<IDetectClearSonerCounterFixing, DetectClearSonerCounterFixing, IInternalCautionData>(container);
    registerSingleton<IDetectDcuCsrError, DetectDcuCsrError, IInternalCautionData>(container);
    registerSingleton<IDetectDcuIdtError, DetectDcuIdtError, IInternalCautionData>(container);
    registerSingleton<IDetectIdtdspError, DetectIdtdspError, IInternalCautionData>(container);
    registerSingleton<IDetectMekdspError, DetectMekdspError, IInternalCautionData>(container);
    registerSingleton<IDetectLatch, DetectLatch, IInternalCautionData>(container);
    registerSingleton<IDetectDeadlock, DetectDeadlock, IInternalCautionData>(container);
    registerSingleton<IDetectService, DetectService, IDetectBluetooth, IDetectCommunicationVerification,
                      IDetectCommunicationRequest, IDetectCheckSum, IDetectClearSonerCounterFixing,
                      IDetectDcuCsrError, IDetectDcuIdtError, IDetectIdtdspError, IDetectMekdspError, IDetectLatch,
                      IDetectDeadlock, IInternalSdkStateData, IInternalSendBTData>(container);
    registerSingleton<IInternalDisplayData, DisplayData>(container);
    registerSingleton<IInternalSdkStateData, SdkStateData>(container);
    registerSingleton<IInternalVehicleStateData, VehicleStateData>(container);
    registerSingleton<IInternalSendBTData, SendingData>(container);
    registerSingleton<IWillArbitrateData, WillArbitrateData>(container);
    registerSingleton<IInternalCautionData, CautionData>(container);
    registerSingleton<ISoundData, SoundData>(container);
    registerSingleton<IConnectionData, ConnectionData>(container);
    registerSingleton<IBluetoothSocketModel, BluetoothSocketModel, IDataArbitrator, IInternalSdkStateData,
                      IConnectionData, IDetectService>(container);
    registerSingleton<IDataCodingModel, DataCodingModel, IDataCoder>(container);
    registerSingleton<IDisplayModel, DisplayModel, IInternalSendBTData, IInternalDisplayData, IWillArbitrateData,
                      IBtMekConverter, IInternalCautionData, IInternalSdkStateData, IDetectService>(container);
    registerSingleton<IBatteryModel, BatteryModel>(container);
    registerSingleton<ISoundModel, SoundModel, ISoundData>(container);
    registerSingleton<IUserOperationModel, UserOperationModel, IInternalSendBTData, IInternalSdkStateData,
                      IInternalDisplayData, IWillArbitrateData, IDetectService>(container);
    registerSingleton<ISdkModel, SdkModel, IDetectService, IConnectionData, IInternalSendBTData, IInternalSdkStateData,
                      IInternalDisplayData, IInternalVehicleStateData, IInternalCautionData, IWillArbitrateData>(
        container);
    registerReadOnlyView<ISdkStateData, IInternalSdkStateData>(container);
    registerReadOnlyView<IDisplayData, IInternalDisplayData>(container);
    registerReadOnlyView<IVehicleStateData, IInternalVehicleStateData>(container);
    registerReadOnlyView<ICautionData, IInternalCautionData>(container);
}

} // namespace tolvane
