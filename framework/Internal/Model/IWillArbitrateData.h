#pragma once

#include "Internal/Model/MekAbnormal.h"
#include "Internal/Model/MekCsrReq.h"
#include "Internal/Model/MekDetect.h"
#include "Internal/Model/MekInfo.h"
#include "Internal/Model/MekVerification.h"
#include "foundation/Bytes.h"
#include "foundation/Guarded.h"
#include "rx/Publisher.h"

#include <optional>

namespace tolvane {

// Where decoded vehicle records meet the arbitrator, with the counter bookkeeping, the flags the
// arbitrator and the services share, and the bytes received but not yet cut into frames. Everything
// but the byte buffer belongs to the main thread.
class IWillArbitrateData {
public:
    virtual ~IWillArbitrateData() = default;

    // Records sent after subscribing; the one held when subscribing is not replayed.
    virtual rx::Publisher<MekDetect> detect() const = 0;
    virtual rx::Publisher<MekVerification> verification() const = 0;
    virtual rx::Publisher<MekCsrReq> req() const = 0;
    virtual rx::Publisher<MekInfo> info() const = 0;
    virtual rx::Publisher<MekAbnormal> abnormal() const = 0;

    // The first record after a connection confirmation is awaited.
    virtual bool waitingInitialReceived() const = 0;
    virtual void setWaitingInitialReceived(bool value) = 0;
    // The last verification record asked for park-out.
    virtual bool isReceivedParkOutFlag() const = 0;
    virtual void setIsReceivedParkOutFlag(bool value) = 0;
    // The vehicle's counter has moved at least once since the reset.
    virtual bool isUpdateCounter() const = 0;
    virtual void setIsUpdateCounter(bool value) = 0;
    // The counter moved in at least 3 of the last ten transitions between control-state requests.
    virtual bool isUpdateLastTenCounter() const = 0;
    // An operation interrupt is pending.
    virtual bool isInterrupt() const = 0;
    virtual void setIsInterrupt(bool value) = 0;
    // Direction class of the last operate record.
    virtual std::optional<bool> isForward() const = 0;
    virtual void setIsForward(std::optional<bool> value) = 0;
    // While set, the arbitrator leaves screens and causes alone.
    virtual bool isProccesingToActivation() const = 0;
    virtual void setIsProccesingToActivation(bool value) = 0;
    // The vehicle's last display id, shown without a cause, was its restart halt.
    virtual bool haltBackgroundFlg() const = 0;
    virtual void setHaltBackgroundFlg(bool value) = 0;
    // Received bytes not yet cut into frames. The receive thread appends and cuts while the main
    // thread may empty it, so it is reached only under its lock: append and cut in one access.
    virtual foundation::Guarded<foundation::Bytes>& recivedDataBuffer() = 0;

    virtual void updateDetectData(const MekDetect& record) = 0;
    virtual void updateVerificationData(const MekVerification& record) = 0;
    // Marks `isCntFixing` and keeps the counter bookkeeping before the record is delivered.
    virtual void updateCsrRequestData(const MekCsrReq& record) = 0;
    virtual void updateInfoData(const MekInfo& record) = 0;
    virtual void updateAbnormalData(const MekAbnormal& record) = 0;

    // Resets for a new run and sends one default record of each kind, in the order detect,
    // verification, req, info, abnormal.
    virtual void initParam() = 0;
};

} // namespace tolvane
