#pragma once

#include "Internal/Model/ISdkModel.h"
#include "foundation/Clock.h"

#include <memory>

namespace tolvane {

class IConnectionData;
class IDetectService;
class IInternalCautionData;
class IInternalDisplayData;
class IInternalSdkStateData;
class IInternalSendBTData;
class IInternalVehicleStateData;
class IWillArbitrateData;

// Writes the application's lifecycle into the shared stores and the detection service. Holds no state
// of its own; the time spent in the background is measured on the main loop's clock, which keeps
// counting while the machine sleeps and never steps back. Main loop only.
class SdkModel final : public ISdkModel {
public:
    // The longest background stay after which the framework state becomes TIMEOUT on return.
    static constexpr foundation::Seconds suspendTimeout = 180.0;

    SdkModel(std::shared_ptr<IDetectService> detectService, std::shared_ptr<IConnectionData> connectionData,
             std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IInternalSdkStateData> sdkStateData,
             std::shared_ptr<IInternalDisplayData> displayData,
             std::shared_ptr<IInternalVehicleStateData> vehicleStateData,
             std::shared_ptr<IInternalCautionData> cautionData, std::shared_ptr<IWillArbitrateData> willarbitrateData);

    void notifyReboot() override;
    void requestFinishSdk() override;
    void notifyMoveToBackground() override;
    void notifyMoveToForeground() override;

private:
    const std::shared_ptr<IDetectService> detectService;
    const std::shared_ptr<IConnectionData> connectionData;
    const std::shared_ptr<IInternalSendBTData> sendingData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    const std::shared_ptr<IInternalVehicleStateData> vehicleStateData;
    const std::shared_ptr<IInternalCautionData> cautionData;
    const std::shared_ptr<IWillArbitrateData> willarbitrateData;
};

} // namespace tolvane
