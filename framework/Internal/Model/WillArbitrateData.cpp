#include "Internal/Model/WillArbitrateData.h"

#include <algorithm>

namespace tolvane {

rx::Publisher<MekDetect> WillArbitrateData::detect() const
{
    return detect_.publisher().dropFirst();
}

rx::Publisher<MekVerification> WillArbitrateData::verification() const
{
    return verification_.publisher().dropFirst();
}

rx::Publisher<MekCsrReq> WillArbitrateData::req() const
{
    return req_.publisher().dropFirst();
}

rx::Publisher<MekInfo> WillArbitrateData::info() const
{
    return info_.publisher().dropFirst();
}

rx::Publisher<MekAbnormal> WillArbitrateData::abnormal() const
{
    return abnormal_.publisher().dropFirst();
}

bool WillArbitrateData::isUpdateLastTenCounter() const
{
    return static_cast<size_t>(std::ranges::count(lastTenUpdateCounter_, true)) >= kMovesToCountAsUpdating;
}

void WillArbitrateData::updateDetectData(const MekDetect& record)
{
    detect_.send(record);
}

void WillArbitrateData::updateVerificationData(const MekVerification& record)
{
    verification_.send(record);
}

void WillArbitrateData::updateCsrRequestData(const MekCsrReq& record)
{
    MekCsrReq marked = record;
    marked.isCntFixing = false;
    // The first record after a reset has nothing to compare with and adds no transition.
    if (prevCsrReq_) {
        const bool moved = record.MEKCNT != prevCsrReq_->MEKCNT;
        if (lastTenUpdateCounter_.size() >= kCounterWindow)
            lastTenUpdateCounter_.pop_front();
        lastTenUpdateCounter_.push_back(moved);
        if (moved)
            isUpdateCounter_ = true;
        marked.isCntFixing = !moved;
    }
    // The subscribers run here and already see the updated window.
    req_.send(marked);
    prevCsrReq_ = marked;
}

void WillArbitrateData::updateInfoData(const MekInfo& record)
{
    info_.send(record);
}

void WillArbitrateData::updateAbnormalData(const MekAbnormal& record)
{
    abnormal_.send(record);
}

void WillArbitrateData::initParam()
{
    prevCsrReq_.reset();
    waitingInitialReceived_ = false;
    isReceivedParkOutFlag_ = false;
    isUpdateCounter_ = false;
    isInterrupt_ = false;
    isForward_.reset();
    isProccesingToActivation_ = false;
    haltBackgroundFlg_ = false;
    lastTenUpdateCounter_.clear();
    recivedDataBuffer_.withLock([](foundation::Bytes& buffer) { buffer.clear(); });
    detect_.send(MekDetect());
    verification_.send(MekVerification());
    req_.send(MekCsrReq());
    info_.send(MekInfo());
    abnormal_.send(MekAbnormal());
}

} // namespace tolvane
