#pragma once

#include "Internal/Model/IWillArbitrateData.h"
#include "rx/Subject.h"

#include <deque>

namespace tolvane {

class WillArbitrateData final : public IWillArbitrateData {
public:
    // The window of counter transitions that isUpdateLastTenCounter() looks at.
    static constexpr size_t kCounterWindow = 10;
    static constexpr size_t kMovesToCountAsUpdating = 3;

    rx::Publisher<MekDetect> detect() const override;
    rx::Publisher<MekVerification> verification() const override;
    rx::Publisher<MekCsrReq> req() const override;
    rx::Publisher<MekInfo> info() const override;
    rx::Publisher<MekAbnormal> abnormal() const override;

    bool waitingInitialReceived() const override { return waitingInitialReceived_; }
    void setWaitingInitialReceived(bool value) override { waitingInitialReceived_ = value; }
    bool isReceivedParkOutFlag() const override { return isReceivedParkOutFlag_; }
    void setIsReceivedParkOutFlag(bool value) override { isReceivedParkOutFlag_ = value; }
    bool isUpdateCounter() const override { return isUpdateCounter_; }
    void setIsUpdateCounter(bool value) override { isUpdateCounter_ = value; }
    bool isUpdateLastTenCounter() const override;
    bool isInterrupt() const override { return isInterrupt_; }
    void setIsInterrupt(bool value) override { isInterrupt_ = value; }
    std::optional<bool> isForward() const override { return isForward_; }
    void setIsForward(std::optional<bool> value) override { isForward_ = value; }
    bool isProccesingToActivation() const override { return isProccesingToActivation_; }
    void setIsProccesingToActivation(bool value) override { isProccesingToActivation_ = value; }
    bool haltBackgroundFlg() const override { return haltBackgroundFlg_; }
    void setHaltBackgroundFlg(bool value) override { haltBackgroundFlg_ = value; }
    foundation::Guarded<foundation::Bytes>& recivedDataBuffer() override { return recivedDataBuffer_; }

    void updateDetectData(const MekDetect& record) override;
    void updateVerificationData(const MekVerification& record) override;
    void updateCsrRequestData(const MekCsrReq& record) override;
    void updateInfoData(const MekInfo& record) override;
    void updateAbnormalData(const MekAbnormal& record) override;

    void initParam() override;

    // One entry per transition, oldest first: true when the counter moved.
    const std::deque<bool>& lastTenUpdateCounter() const { return lastTenUpdateCounter_; }

private:
    rx::CurrentValueSubject<MekDetect> detect_{MekDetect()};
    rx::CurrentValueSubject<MekVerification> verification_{MekVerification()};
    rx::CurrentValueSubject<MekCsrReq> req_{MekCsrReq()};
    rx::CurrentValueSubject<MekInfo> info_{MekInfo()};
    rx::CurrentValueSubject<MekAbnormal> abnormal_{MekAbnormal()};
    std::optional<MekCsrReq> prevCsrReq_;
    bool waitingInitialReceived_ = false;
    bool isReceivedParkOutFlag_ = false;
    bool isUpdateCounter_ = false;
    bool isInterrupt_ = false;
    std::optional<bool> isForward_;
    bool isProccesingToActivation_ = false;
    bool haltBackgroundFlg_ = false;
    std::deque<bool> lastTenUpdateCounter_;
    foundation::Guarded<foundation::Bytes> recivedDataBuffer_;
};

} // namespace tolvane
