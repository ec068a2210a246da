#pragma once

#include "Internal/Model/IDataArbitrator.h"
#include "Internal/Model/IInternalVehicleStateData.h"
#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/MekVerification.h"
#include "foundation/Timer.h"
#include "rx/Cancellable.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace tolvane {

class IBtMekConverter;
class IDetectService;
class IInternalCautionData;
class IInternalDisplayData;
class IInternalSdkStateData;
class IInternalSendBTData;
class IInternalVehicleStateData;
class ISoundControl;
class IVibrateControl;
class IWillArbitrateData;
class UnlinkedCauseScreen;

// Turns every received record into the published state: it runs the detectors, chooses the screen
// and the published cause, updates the plans, the operate state and the obstacles, echoes the
// vehicle's counter into the next operation message, and plays the warning sound and the turn-back
// vibration. Main loop only.
//
// Made with std::make_shared: the hidden-wait timers hold it weakly.
class DataArbitrator final : public IDataArbitrator, public std::enable_shared_from_this<DataArbitrator> {
public:
    DataArbitrator(std::shared_ptr<IInternalSendBTData> sendingData, std::shared_ptr<IWillArbitrateData> willArbitrateData,
                   std::shared_ptr<IInternalDisplayData> displayData,
                   std::shared_ptr<IInternalVehicleStateData> vehicleStateData,
                   std::shared_ptr<IBtMekConverter> btMekConverter, std::shared_ptr<IVibrateControl> vibrateControl,
                   std::shared_ptr<ISoundControl> soundControl, std::shared_ptr<IDetectService> detectService,
                   std::shared_ptr<IInternalCautionData> cautionData,
                   std::shared_ptr<IInternalSdkStateData> sdkStateData);

    // Subscriptions from an earlier call are dropped first, so every record is judged once even when
    // the link reports its opening twice.
    void startObserver() override;
    void closeObserver() override;

private:
    using ObstacleMap = std::map<ObstaclePosition, ObstacleDistance>;

    void onChangedDetect(const MekDetect& detect);
    void onChangedVerificatioin(const MekVerification& verification);
    void onChangedCsrRequest(const MekCsrReq& req);
    void onChangedInfo(const MekInfo& info);
    void onChangedAbnormal(const MekAbnormal& abnormal);

    // The steps of a control-state request.
    void startCounterDetectors();
    void showFirstScreenAfterConfirmation();
    void holdOnSensing();
    void showVehicleOrCauseScreen(const MekCsrReq& req);
    // False when the record lacks what its screen needs: then nothing further changes.
    bool updateVehicleState(const MekCsrReq& req, RequiredDisplayId vehicleScreen);
    void controlVibrateForOperateDirection(OperateDirection operateDirection);

    bool detectAbnormal(const std::optional<MekVerification>& verification, const std::optional<MekCsrReq>& req,
                        const std::optional<MekAbnormal>& abnormal);
    void updateObstaclesWithTimer(const ObstacleMap& newObstacles);
    void updateMovessWithTimer(const std::vector<MovesPosition>& newMovesPosition);
    using HiddenWaitingTimer = std::weak_ptr<foundation::Timer>;
    void holdClearBack(HiddenWaitingTimer DataArbitrator::*timerField, ObstacleInfoUpdate clear);
    void controlSoundForObstacles();
    void playWarningSound(int64_t soundPriority);

    bool isInBackgroundOrOutsideSdkControl() const;

    const std::shared_ptr<IInternalSendBTData> sendingData;
    const std::shared_ptr<IWillArbitrateData> willArbitrateData;
    const std::shared_ptr<IInternalDisplayData> displayData;
    const std::shared_ptr<IInternalVehicleStateData> vehicleStateData;
    const std::shared_ptr<IBtMekConverter> btMekConverter;
    const std::shared_ptr<IVibrateControl> vibrateControl;
    const std::shared_ptr<ISoundControl> soundControl;
    const std::shared_ptr<IDetectService> detectService;
    const std::shared_ptr<IInternalCautionData> cautionData;
    const std::shared_ptr<IInternalSdkStateData> sdkStateData;
    const std::shared_ptr<UnlinkedCauseScreen> unlinkedCauseScreen;
    // Pending clears of the last obstacle mark and of the last moving object; empty when none waits.
    HiddenWaitingTimer obstacleDetectionsHiddenWaitingTimer;
    HiddenWaitingTimer movingObjectsDetectionHiddenWaitingTimer;
    rx::CancellableSet cancellables;
};

} // namespace tolvane
