#pragma once

#include "Internal/Model/BtSmpSelMd.h"
#include "Internal/Model/IUserOperationModel.h"
#include "foundation/Clock.h"

#include <memory>

namespace tolvane {

class IDetectService;
class IInternalDisplayData;
class IInternalSdkStateData;
class IInternalSendBTData;
class IWillArbitrateData;

// Turns each user operation into changes of the operation record, the framework state, the required
// screen, the received-data flags and the detectors. Main loop only.
//
// Made with std::make_shared: the restart timer keeps the service alive until it fires.
class UserOperationModel final : public IUserOperationModel,
                                 public std::enable_shared_from_this<UserOperationModel> {
public:
    // How long the activation stays in progress after the vehicle could not start.
    static constexpr foundation::Seconds restartInterval = 0.7;

    UserOperationModel(std::shared_ptr<IInternalSendBTData> sendingData,
                       std::shared_ptr<IInternalSdkStateData> sdkStateData,
                       std::shared_ptr<IInternalDisplayData> displayData,
                       std::shared_ptr<IWillArbitrateData> willArbitrateData,
                       std::shared_ptr<IDetectService> detectService);

    void notifyUserOperation(const UserOperationKind& userOperationKind) override;

private:
    void decidePlan(BtSmpSelMd sel);
    void checkAvailable();
    void start();
    void interrupt();
    void sensingWaitTimedOut();
    void cannotStart();
    // Sends the application back to the start screen of the pending direction, unless the framework
    // was reset since (the run ended).
    void restart();

    const std::shared_ptr<IInternalSendBTData> sendingData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    const std::shared_ptr<IWillArbitrateData> willArbitrateData;
    const std::shared_ptr<IDetectService> detectService;
};

// The plan the vehicle is asked for in each decided direction.
BtSmpSelMd convertToBtSmpSelMd(PlanParkInDirection planDirection);
BtSmpSelMd convertToBtSmpSelMd(PlanParkOutDirection planDirection);
BtSmpSelMd convertToBtSmpSelMd(PlanForwardBackwardDirection planDirection);

} // namespace tolvane
